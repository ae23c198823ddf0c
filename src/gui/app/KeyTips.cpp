#include "app/KeyTips.h"

#include <QHash>

namespace dorv::gui {

namespace {

struct Tip {
    const char *name;
    const char *what;
    const char *key; // null: no key works this control
};

// The keys as the panel's keyboard handler takes them.
constexpr Tip kTips[] = {
    {"CATbutton", "POWER", "P"},
    {"MOXbutton", "MOX", "Space (transmit while held)"},
    {"SYNCbutton", "SYNC", nullptr},
    {"SCOPEbutton", "SCOPE", nullptr},
    {"SEARCHbutton", "SEARCH", nullptr},
    {"RPTbutton", "RPT", "1"},
    {"REVbutton", "REV", "2"},
    {"TONEbutton", "TONE", "3"},
    {"SCANbutton", "SCAN", "4"},
    {"PRIbutton", "PRI", "5"},
    {"PMSbutton", "PMS", "6"},
    {"BandDownButton", "BAND DOWN", "7"},
    {"BandUpButton", "BAND UP", "8"},
    {"MhzDownButton", "MHz DOWN", "9"},
    {"MhzUpButton", "MHz UP", "0"},
    {"STObutton", "STO", "S"},
    {"RCLbutton", "RCL", "R"},
    {"FASTbutton", "FAST", "F"},
    {"LOCKbutton", "LOCK", "L"},
    {"HOMEbutton", "HOME", "Ctrl+H"},
    {"VFOMRbutton", "VFO/M", "Ctrl+V"},
    {"MCKbutton", "MCK/W", "Ctrl+M"},
    {"ABbutton", "A > B", "Ctrl+A"},
    {"SWAPbutton", "A < > B", "Ctrl+B"},
    {"SUBbutton", "SUB", "Ctrl+U"},
    {"SPLITbutton", "SPLIT", "Ctrl+L"},
    {"CLARbutton", "CLAR", "C"},
    {"ENTbutton", "ENT", "Enter"},
    {"DOPbutton", "DOP, the decimal key during an entry", "."},
    {"btnJogDown", "Jog down", "D"},
    {"btnJogUp", "Jog up", "U"},
    {"ModeButton_0", "LSB", "Shift+L"},
    {"ModeButton_1", "USB", "Shift+U"},
    {"ModeButton_2", "CW", "Shift+C"},
    {"ModeButton_3", "CW-R", nullptr},
    {"ModeButton_4", "AM", "Shift+A"},
    {"ModeButton_5", "FM", "Shift+F"},
    {"ModeButton_6", "DIG", nullptr},
    {"ModeButton_7", "PKT", nullptr},
    {"MainKnob", "Main dial", "Page Up / Page Down"},
    {"SubKnob", "Clarifier", "Numpad * / Numpad /"},
    {"ChannelKnob", "MEM/VFO CH", "Numpad + / Numpad -"},
};

// Band keys: index 0 is the 430 MHz band on F12, index 11 the 1.8 MHz band on F1.
constexpr const char *kBands[] = {"430", "144", "50", "28", "24",  "21",
                                  "18",  "14",  "10", "7",  "3.5", "1.8"};

QHash<QString, QString> BuildTips()
{
    QHash<QString, QString> tips;
    for (const Tip &tip : kTips) {
        QString text = QString::fromUtf8(tip.what);
        if (tip.key != nullptr) {
            text += QStringLiteral(" \u2014 ") + QString::fromUtf8(tip.key);
        }
        tips.insert(QString::fromLatin1(tip.name), text);
    }
    const int bands = int(std::size(kBands));
    for (int i = 0; i < bands; ++i) {
        tips.insert(QStringLiteral("BandButton_%1").arg(i),
                    QStringLiteral("%1 MHz band \u2014 F%2").arg(kBands[i]).arg(bands - i));
    }
    return tips;
}

} // namespace

QString KeyTip(const QString &controlName)
{
    static const QHash<QString, QString> tips = BuildTips();
    return tips.value(controlName);
}

} // namespace dorv::gui
