#include "app/projectsfolder.h"
#include "templates/wizardcommand.h"
#include "testframe.h"
#include "toolchain/toolchaincommands.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

// A portable copy keeps its projects beside the program; an installed one, whose folder the user
// cannot write, keeps them in the user's own data folder. The wizard writes where the Run dialog
// lists, either way.
class TestProjectsFolder : public QObject {
    Q_OBJECT

private slots:
    void wizardAndRunDialogAgree_data() {
        QTest::addColumn<bool>("writableProgramFolder");
        QTest::newRow("portable: beside the program") << true;
        QTest::newRow("installed: the user's data folder") << false;
    }

    void wizardAndRunDialogAgree() {
        QFETCH(bool, writableProgramFolder);
        TestFrame test;
        QTemporaryDir place;
        if (!writableProgramFolder) {
            // Nothing can be created below a regular file, not even by root.
            QFile file(place.filePath(QStringLiteral("program")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            test.desktop.programFolderPath = file.fileName() + QStringLiteral("/bin");
        }
        const QString expected = writableProgramFolder
                                     ? ProjectsFolderPath(test.desktop.programFolderPath)
                                     : UserProjectsFolderPath();
        QVERIFY(test.start());
        QCOMPARE(test.frame().projectsFolder(), expected);
        QVERIFY(QFileInfo(expected).isDir());
        // The welcome message still belongs to the failed first attempt beside the program.
        QCOMPARE(test.desktop.messages.size(), writableProgramFolder ? 0 : 1);

        test.desktop.driveDialog([](QDialog& wizard) {
            wizard.findChild<QPushButton*>(QStringLiteral("cmdFinish"))->click();
        });
        ShowDocumentWizard(test.frame(), QStringLiteral("5"));
        QVERIFY(QFileInfo::exists(expected + QStringLiteral("Document1.java")));

        QStringList listed;
        test.desktop.driveDialog([&listed](QDialog& run) {
            const auto* files = run.findChild<QListWidget*>(QStringLiteral("File1"));
            for (int row = 0; row < files->count(); ++row)
                listed.append(files->item(row)->text());
        });
        ShowRunDialog(test.frame());
        QVERIFY2(listed.contains(QStringLiteral("Document1.java")), qPrintable(listed.join(',')));
        QDir(UserProjectsFolderPath()).removeRecursively();
    }
};

QTEST_MAIN(TestProjectsFolder)
#include "tst_projectsfolder.moc"
