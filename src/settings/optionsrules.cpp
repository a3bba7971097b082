#include "settings/optionsrules.h"

#include "document/typedtext.h"

#include <QRegularExpression>

#include <array>

namespace orvane {

namespace {

const QString trueText = QStringLiteral("True");
const QString falseText = QStringLiteral("False");

QString truthText(bool value) {
    return value ? trueText : falseText;
}

QString checkText(bool checked) {
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

// A stored value of another form than the dialog writes reads as the dialog's default.
QString storedOrDefault(const StoredSetting& stored, SettingKey key, const QStringList& forms) {
    const QString text = stored(key);
    return forms.contains(text) ? text : optionsDefault(key);
}

bool checkState(const StoredSetting& stored, SettingKey key) {
    return storedOrDefault(stored, key, {QStringLiteral("1"), QStringLiteral("0")}) == u"1";
}

int sizeIndex(const StoredSetting& stored) {
    bool ok = false;
    const int index = stored(SettingKey::FontSizeIndex).toInt(&ok);
    if (ok && index >= -1 && index < FontSizeItems().size())
        return index;
    return optionsDefault(SettingKey::FontSizeIndex).toInt();
}

// Option buttons are set one after another: "True" selects a button and so clears the others of
// its group, "False" clears only that button.
template <typename Choice, std::size_t N>
std::optional<Choice> optionGroup(const StoredSetting& stored,
                                  const std::array<std::pair<SettingKey, Choice>, N>& buttons) {
    std::optional<Choice> selected;
    for (const auto& [key, choice] : buttons) {
        if (storedOrDefault(stored, key, {trueText, falseText}) == trueText)
            selected = choice;
        else if (selected == choice)
            selected.reset();
    }
    return selected;
}

constexpr std::array<std::pair<SettingKey, BrowserChoice>, 3> browserButtons{{
    {SettingKey::DefaultBrowser, BrowserChoice::Default},
    {SettingKey::IEBrowser, BrowserChoice::Explorer},
    {SettingKey::NSBrowser, BrowserChoice::Netscape},
}};

constexpr std::array<std::pair<SettingKey, CompileChoice>, 4> compileButtons{{
    {SettingKey::SDKNormal, CompileChoice::Normal},
    {SettingKey::SDKDebug, CompileChoice::Debug},
    {SettingKey::SDKOptimize, CompileChoice::Optimized},
    {SettingKey::SDKVerbose, CompileChoice::Verbose},
}};

} // namespace

const QStringList& FontSizeItems() {
    static const QStringList items{QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"),
                                   QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("14"),
                                   QStringLiteral("16")};
    return items;
}

int ListPosition(const QStringList& items, const QString& text) {
    return static_cast<int>(items.indexOf(text));
}

OptionsForm LoadOptions(const StoredSetting& stored) {
    OptionsForm form;
    form.fontName = stored(SettingKey::FontNameValue);
    const int index = sizeIndex(stored);
    form.sizeText = index >= 0 ? FontSizeItems().at(index) : stored(SettingKey::FontNameSize);
    form.standardToolbar = checkState(stored, SettingKey::StandardToolbarValue);
    form.objectToolbar = checkState(stored, SettingKey::FormattingToolbarValue);
    form.statusbar = checkState(stored, SettingKey::StatusbarValue);
    form.browser = optionGroup(stored, browserButtons);
    form.compilerLocation = stored(SettingKey::SDKLocation);
    // With no mode chosen Ok would store four "False" and Compile would do nothing at all.
    form.compileMode = optionGroup(stored, compileButtons).value_or(CompileChoice::Normal);
    return form;
}

QList<SettingValue> OptionsToSave(const OptionsForm& form, const QStringList& fontItems) {
    using K = SettingKey;
    QList<SettingValue> values{
        {K::FontNameValue, form.fontName},
        {K::FontNameSize, NumericValueText(form.sizeText)},
        {K::FontNameIndex, QString::number(ListPosition(fontItems, form.fontName))},
        {K::FontSizeIndex, QString::number(ListPosition(FontSizeItems(), form.sizeText))},
        {K::StandardToolbarValue, checkText(form.standardToolbar)},
        {K::FormattingToolbarValue, checkText(form.objectToolbar)},
        {K::StatusbarValue, checkText(form.statusbar)},
    };
    for (const auto& [key, choice] : browserButtons)
        values.append({key, truthText(form.browser == choice)});
    values.append({K::SDKLocation, TrimBlanks(form.compilerLocation)});
    for (const auto& [key, choice] : compileButtons)
        values.append({key, truthText(form.compileMode == choice)});
    return values;
}

QString NumericValueText(const QString& text) {
    static const QRegularExpression leadingNumber(
        QStringLiteral("^\\s*([+-]?(?:\\d+(?:\\.\\d*)?|\\.\\d+))"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (!match.hasMatch())
        return QStringLiteral("0");
    return QString::number(match.captured(1).toDouble(), 'g', 15);
}

std::optional<EditorFont> FontAfterOptions(const QString& storedName, const QString& storedSize) {
    if (!storedName.isEmpty() && !IsUsableFontSize(storedSize))
        return std::nullopt;
    return ChooseEditorFont(storedName, storedSize);
}

QStringList CompilerFileFilters(HostPlatform platform) {
    if (platform == HostPlatform::Windows)
        return {QStringLiteral("Java Compiler (javac.exe)"), QStringLiteral("All Files (*.*)")};
    return {QStringLiteral("Java Compiler (javac)"), QStringLiteral("All Files (*)")};
}

} // namespace orvane
