// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/mmcontrol.h"

#include "platform/fluidsynthplayer.h"
#include "platform/programfiles.h"

#include <QFileInfo>

namespace {

bool doubleOn = false;
QList<MMControl::Sent> recorded;

} // namespace

MMControl::MMControl(QObject* parent) : QObject(parent) {}

MMControl::~MMControl() = default;

QString MMControl::resolvedFileName() const {
    if (FileName.isEmpty() || !QFileInfo(FileName).isRelative()) return FileName;
    return ProgramFiles::path(FileName);
}

void MMControl::setCommand(const QString& command) {
    const QString name = command.trimmed().toLower();
    if (doubleOn) {
        recorded.append(Sent{FileName, name});
        return;
    }
    if (name == QLatin1String("open")) {
        player_ = std::make_unique<FluidSynthPlayer>(FluidSynthPlayer::Output::Device);
        player_->open(resolvedFileName());
    } else if (name == QLatin1String("play")) {
        if (player_) player_->play();
    } else if (name == QLatin1String("pause")) {
        if (player_) player_->pause();
    } else if (name == QLatin1String("close")) {
        player_.reset();
    }
}

bool MMControl::isPlaying() const {
    return player_ && player_->isPlaying();
}

void MMControl::useDouble(bool on) {
    doubleOn = on;
    recorded.clear();
}

QList<MMControl::Sent> MMControl::sent() {
    return recorded;
}

QStringList MMControl::sentCommands() {
    QStringList names;
    for (const Sent& s : recorded)
        names << s.command;
    return names;
}

void MMControl::clearSent() {
    recorded.clear();
}
