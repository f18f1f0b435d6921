#pragma once

#include <QKeySequence>
#include <QList>
#include <QStringList>

#include <array>

class QSettings;

// What the window's keys do.
enum class KeyAction { LeftMinus, LeftPlus, RightMinus, RightPlus, Update, Reset, Help };

// The window's keys: function keys by default, as they work on every
// keyboard layout and never type into the COM-port field; a club may change
// them in the settings (Keys/update = "F9; PgDown"). A setting the window
// cannot use, or a key two actions would share, leaves that action its
// default, and the reason is kept in problems() for the operator.
class KeyMap
{
public:
    static constexpr int kActionCount = 7;

    KeyMap(); // the defaults
    explicit KeyMap(const QSettings &settings);

    QList<QKeySequence> keys(KeyAction action) const { return m_keys[std::size_t(action)]; }
    // One whole sentence for each setting left unused.
    const QStringList &problems() const { return m_problems; }

    static QList<QKeySequence> defaultKeys(KeyAction action);
    // "Keys/update"
    static QString settingName(KeyAction action);
    // "F9; PgDown", as the operator reads them.
    QString shown(KeyAction action) const;
    // The window's own shortcuts: Restore, and the remote control.
    static QKeySequence restoreKey() { return {Qt::CTRL | Qt::Key_R}; }
    static QKeySequence remoteControlKey() { return {Qt::CTRL | Qt::SHIFT | Qt::Key_R}; }
    // What the window keeps for itself: the Restore and remote control
    // shortcuts, Enter and Space on a button, Tab, Esc, the arrows in the field.
    static QList<QKeySequence> windowKeys();

private:
    std::array<QList<QKeySequence>, kActionCount> m_keys;
    QStringList m_problems;
};

// The mnemonics (Alt+letter, from the "&" in a caption) of `captions` that
// clash with one another or with a key of the window: for developers, in
// English, one line each; empty when all is well. Meant to run over every
// translation of the window's captions.
QStringList mnemonicClashes(const QStringList &captions, const KeyMap &keys);
