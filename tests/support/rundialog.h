#pragma once

#include "fakedesktop.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace orvane::test {

// Drives the Run dialog as a user does: picks `file`, clicks the tool `option`, then Begin.
inline FakeDesktop::DialogDriver BeginRun(const QString& file, const char* option) {
    return [=](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>("File1");
        list->findItems(file, Qt::MatchExactly).constFirst()->setSelected(true);
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* button = dialog.findChild<QRadioButton*>(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdBegin"), Qt::LeftButton);
    };
}

} // namespace orvane::test
