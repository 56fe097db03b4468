// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The multimedia control of the closing screen (`MMControl1`): a music file
// driven by the commands "open", "play", "pause" and "close".
//
// A relative FileName is looked up in the program's directory. "pause" then
// "play" resumes where the music stopped; "play" after the piece has ended
// starts it again. Whatever goes wrong (no sound device, no soundfont, no
// file) the control stays silent: it never shows an error and never blocks.
//
// Tests switch to the double, which records the commands and plays nothing.

#include <QList>
#include <QObject>
#include <QString>
#include <memory>

class FluidSynthPlayer;

class MMControl : public QObject {
    Q_OBJECT
public:
    explicit MMControl(QObject* parent = nullptr);
    ~MMControl() override;

    QString FileName;
    // One of the commands above (case-insensitive; unknown commands are ignored).
    void setCommand(const QString& command);
    // true while the music is actually sounding (always false in the double).
    bool isPlaying() const;

    // The file FileName names, resolved against the program's directory.
    QString resolvedFileName() const;

    // --- test double ---
    struct Sent {
        QString fileName;
        QString command;
    };
    static void useDouble(bool on);
    static QList<Sent> sent();
    static QStringList sentCommands();
    static void clearSent();

private:
    std::unique_ptr<FluidSynthPlayer> player_;
};
