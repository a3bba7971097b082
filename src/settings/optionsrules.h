#pragma once

#include "document/editorfont.h"
#include "platform/hostplatform.h"
#include "settings/settingkeys.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace orvane {

enum class BrowserChoice { Default, Explorer, Netscape };
enum class CompileChoice { Normal, Debug, Optimized, Verbose };

// What the Options dialog's controls hold. A group with nothing selected is empty.
struct OptionsForm {
    QString fontName;
    QString sizeText;
    bool standardToolbar = true;
    bool objectToolbar = true;
    bool statusbar = true;
    std::optional<BrowserChoice> browser;
    QString compilerLocation;
    std::optional<CompileChoice> compileMode;
    friend bool operator==(const OptionsForm&, const OptionsForm&) = default;
};

// The size list, positions 0 to 6.
const QStringList& FontSizeItems();

// The position of the entry that reads exactly `text`, or -1.
int ListPosition(const QStringList& items, const QString& text);

// Reads one stored value, giving the Options dialog's default for an absent key.
using StoredSetting = std::function<QString(SettingKey)>;

// The form as the dialog opens: stored values of a form the dialog never writes fall back to
// the defaults. With no size entry stored the size box shows the stored size, so confirming an
// unchanged dialog keeps a typed size instead of turning it into "0". With no compile mode
// stored, normal compiling is selected.
OptionsForm LoadOptions(const StoredSetting& stored);

struct SettingValue {
    SettingKey key;
    QString text;
    friend bool operator==(const SettingValue&, const SettingValue&) = default;
};

// The fifteen values OK writes, in the order they are written.
QList<SettingValue> OptionsToSave(const OptionsForm& form, const QStringList& fontItems);

// The leading decimal number of `text`, written back as text; "0" when it starts with none.
QString NumericValueText(const QString& text);

// The font OK gives the active document from what it stored: the font a new window would take,
// or nothing (keep the current font) when a name comes with a size no font can have.
std::optional<EditorFont> FontAfterOptions(const QString& storedName, const QString& storedSize);

// The Browse dialog's filters, the compiler's own file first.
QStringList CompilerFileFilters(HostPlatform platform);

} // namespace orvane
