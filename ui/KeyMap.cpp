#include "ui/KeyMap.h"

#include <QCoreApplication>
#include <QSettings>

#include <optional>

namespace {
constexpr KeyAction kActions[] = {KeyAction::LeftMinus, KeyAction::LeftPlus, KeyAction::RightMinus,
                                  KeyAction::RightPlus, KeyAction::Update,   KeyAction::Reset,
                                  KeyAction::Help};

QString named(const QList<QKeySequence> &keys)
{
    return QKeySequence::listToString(keys, QKeySequence::NativeText);
}

// A key the window can give an action: one key, not one it keeps for
// itself, and none that types (a plain letter or digit belongs to the field).
bool usable(const QKeySequence &key)
{
    if (key.count() != 1)
        return false;
    const QKeyCombination combination = key[0];
    const Qt::Key code = combination.key();
    if (code == Qt::Key_unknown || code == 0 || code == Qt::Key_Shift || code == Qt::Key_Control ||
        code == Qt::Key_Alt || code == Qt::Key_Meta || code == Qt::Key_AltGr)
        return false;
    const bool types =
        !(combination.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
        code < Qt::Key_Escape;
    return !types && !KeyMap::windowKeys().contains(key);
}

// "F9; PgDown" (or, as an INI file's list, "F9, PgDown"); nothing where any
// part is no usable key.
std::optional<QList<QKeySequence>> parsed(const QVariant &value)
{
    const QStringList parts = value.typeId() == QMetaType::QStringList
                                  ? value.toStringList()
                                  : value.toString().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QList<QKeySequence> keys;
    for (const QString &part : parts) {
        if (part.trimmed().isEmpty())
            continue;
        const QKeySequence key = QKeySequence::fromString(part.trimmed(), QKeySequence::PortableText);
        if (!usable(key))
            return std::nullopt;
        if (!keys.contains(key))
            keys << key;
    }
    if (keys.isEmpty())
        return std::nullopt;
    return keys;
}

QString shownValue(const QVariant &value)
{
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QStringLiteral(", "))
                                                    : value.toString();
}
} // namespace

KeyMap::KeyMap()
{
    for (const KeyAction action : kActions)
        m_keys[std::size_t(action)] = defaultKeys(action);
}

KeyMap::KeyMap(const QSettings &settings) : KeyMap()
{
    std::array<bool, kActionCount> changed{};
    for (const KeyAction action : kActions) {
        const QString name = settingName(action);
        if (!settings.contains(name))
            continue;
        const QVariant value = settings.value(name);
        if (const std::optional<QList<QKeySequence>> keys = parsed(value)) {
            m_keys[std::size_t(action)] = *keys;
            changed[std::size_t(action)] = *keys != defaultKeys(action);
        } else {
            //: %1 is a setting's name such as Keys/update, %2 what it holds, %3 the default key(s) such as F9; PgDown
            m_problems << QCoreApplication::translate("KeyMap",
                                                      "%1: \"%2\" is no key this window can use; %1 keeps %3.")
                              .arg(name, shownValue(value), named(defaultKeys(action)));
        }
    }
    // Two actions on one key: the changed one goes back to its default. A
    // default never clashes with another, so this ends.
    for (bool reverted = true; reverted;) {
        reverted = false;
        for (const KeyAction action : kActions) {
            QList<QKeySequence> &own = m_keys[std::size_t(action)];
            if (!changed[std::size_t(action)])
                continue;
            for (const KeyAction other : kActions) {
                if (other == action)
                    continue;
                const QList<QKeySequence> &theirs = m_keys[std::size_t(other)];
                const auto shared =
                    std::find_if(own.begin(), own.end(), [&](const QKeySequence &key) { return theirs.contains(key); });
                if (shared == own.end())
                    continue;
                //: %1 and %3 are settings' names such as Keys/update, %2 a key such as F9, %4 the default key(s)
                m_problems << QCoreApplication::translate("KeyMap", "%1: %2 is the key of %3 already; %1 keeps %4.")
                                  .arg(settingName(action), shared->toString(QKeySequence::NativeText),
                                       settingName(other), named(defaultKeys(action)));
                own = defaultKeys(action);
                changed[std::size_t(action)] = false;
                reverted = true;
                break;
            }
        }
    }
}

QList<QKeySequence> KeyMap::defaultKeys(KeyAction action)
{
    switch (action) {
    case KeyAction::LeftMinus: return {QKeySequence(Qt::Key_F2)};
    case KeyAction::LeftPlus: return {QKeySequence(Qt::Key_F3)};
    case KeyAction::RightMinus: return {QKeySequence(Qt::Key_F6)};
    case KeyAction::RightPlus: return {QKeySequence(Qt::Key_F7)};
    case KeyAction::Update:
        // Presenter clickers and foot switches send Page Down.
        return {QKeySequence(Qt::Key_F9), QKeySequence(Qt::Key_PageDown)};
    case KeyAction::Reset: return {QKeySequence(Qt::Key_F12)};
    case KeyAction::Help: return {QKeySequence(Qt::Key_F1)};
    }
    return {};
}

QString KeyMap::shown(KeyAction action) const
{
    return named(keys(action));
}

QString KeyMap::settingName(KeyAction action)
{
    switch (action) {
    case KeyAction::LeftMinus: return QStringLiteral("Keys/leftMinus");
    case KeyAction::LeftPlus: return QStringLiteral("Keys/leftPlus");
    case KeyAction::RightMinus: return QStringLiteral("Keys/rightMinus");
    case KeyAction::RightPlus: return QStringLiteral("Keys/rightPlus");
    case KeyAction::Update: return QStringLiteral("Keys/update");
    case KeyAction::Reset: return QStringLiteral("Keys/reset");
    case KeyAction::Help: return QStringLiteral("Keys/help");
    }
    return {};
}

QList<QKeySequence> KeyMap::windowKeys()
{
    return {restoreKey(),
            remoteControlKey(),
            QKeySequence(Qt::Key_Return),
            QKeySequence(Qt::Key_Enter),
            QKeySequence(Qt::Key_Space),
            QKeySequence(Qt::Key_Tab),
            QKeySequence(Qt::Key_Backtab),
            QKeySequence(Qt::SHIFT | Qt::Key_Backtab),
            QKeySequence(Qt::Key_Escape),
            QKeySequence(Qt::Key_Up),
            QKeySequence(Qt::Key_Down),
            QKeySequence(Qt::ALT | Qt::Key_Up),
            QKeySequence(Qt::ALT | Qt::Key_Down)};
}

QStringList mnemonicClashes(const QStringList &captions, const KeyMap &keys)
{
    QList<QKeySequence> taken = KeyMap::windowKeys();
    for (const KeyAction action : kActions)
        taken += keys.keys(action);
    QStringList clashes;
    QList<QPair<QKeySequence, QString>> seen;
    for (const QString &caption : captions) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
        if (mnemonic.isEmpty())
            continue;
        const QString key = mnemonic.toString(QKeySequence::PortableText);
        if (taken.contains(mnemonic))
            clashes << QStringLiteral("\"%1\": %2 is a key of the window").arg(caption, key);
        for (const auto &[earlier, earlierCaption] : std::as_const(seen))
            if (earlier == mnemonic)
                clashes << QStringLiteral("\"%1\" and \"%2\": both %3").arg(earlierCaption, caption, key);
        seen.append({mnemonic, caption});
    }
    return clashes;
}
