#include "platform/fluidsynthplayer.h"

#include <QFile>
#include <fluidsynth.h>

namespace {

// The player must never speak to the user; FluidSynth would print to the terminal.
void silenceFluidSynthLog() {
    static const bool silenced = [] {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)silenced;
}

constexpr double sampleRateHz = 44100.0;
// FluidSynth's default gain (0.2) leaves a small band quieter than it should be.
constexpr double gain = 0.5;

} // namespace

struct FluidSynthPlayer::Impl {
    Output output;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;
    QByteArray midiFile;
    bool paused = false;

    explicit Impl(Output o) : output(o) {}

    void createPlayer() {
        player = new_fluid_player(synth);
        if (player && fluid_player_add(player, midiFile.constData()) != FLUID_OK) {
            delete_fluid_player(player);
            player = nullptr;
        }
    }

    void startDevice() {
        if (output == Output::Device) driver = new_fluid_audio_driver(settings, synth);
        if (driver) return;
        // No sound device: render into nothing so that the music still keeps time.
        fluid_settings_setstr(settings, "audio.driver", "file");
        fluid_settings_setstr(settings, "audio.file.name", "/dev/null");
        fluid_settings_setstr(settings, "audio.file.type", "raw");
        driver = new_fluid_audio_driver(settings, synth);
    }

    void release() {
        // The device thread drives the player: stop it first.
        if (driver) delete_fluid_audio_driver(driver);
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
        driver = nullptr;
        player = nullptr;
        synth = nullptr;
        settings = nullptr;
        paused = false;
    }
};

FluidSynthPlayer::FluidSynthPlayer(Output output) : d(std::make_unique<Impl>(output)) {
    silenceFluidSynthLog();
}

FluidSynthPlayer::~FluidSynthPlayer() {
    d->release();
}

QString FluidSynthPlayer::defaultSoundFont() {
    return QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
}

bool FluidSynthPlayer::open(const QString& midiFile, const QString& soundFont) {
    d->release();
    d->midiFile = QFile::encodeName(midiFile);
    const QByteArray soundFontName = QFile::encodeName(soundFont);
    if (!QFile::exists(soundFont) || !QFile::exists(midiFile) ||
        !fluid_is_midifile(d->midiFile.constData()))
        return false;

    d->settings = new_fluid_settings();
    if (!d->settings) return false;
    fluid_settings_setnum(d->settings, "synth.sample-rate", sampleRateHz);
    fluid_settings_setnum(d->settings, "synth.gain", gain);
    // The player follows the rendered samples, so it keeps time with whatever renders them.
    fluid_settings_setstr(d->settings, "player.timing-source", "sample");
    d->synth = new_fluid_synth(d->settings);
    if (!d->synth || fluid_synth_sfload(d->synth, soundFontName.constData(), 1) == FLUID_FAILED) {
        d->release();
        return false;
    }
    d->createPlayer();
    if (!d->player) {
        d->release();
        return false;
    }
    if (d->output != Output::Offline) d->startDevice();
    return true;
}

void FluidSynthPlayer::play() {
    if (!d->player) return;
    if (d->paused) {
        d->paused = false;
        fluid_player_play(d->player);
        return;
    }
    const int status = fluid_player_get_status(d->player);
    if (status == FLUID_PLAYER_PLAYING) return;
    if (status == FLUID_PLAYER_DONE) {
        // Ended by itself: a fresh player starts the piece again.
        delete_fluid_player(d->player);
        d->player = nullptr;
        d->createPlayer();
        if (!d->player) return;
    }
    fluid_player_play(d->player);
}

void FluidSynthPlayer::pause() {
    if (!d->player || fluid_player_get_status(d->player) != FLUID_PLAYER_PLAYING) return;
    fluid_player_stop(d->player);
    fluid_synth_all_notes_off(d->synth, -1);
    d->paused = true;
}

void FluidSynthPlayer::close() {
    d->release();
}

bool FluidSynthPlayer::isOpen() const {
    return d->player != nullptr;
}

bool FluidSynthPlayer::isPlaying() const {
    return d->player && fluid_player_get_status(d->player) == FLUID_PLAYER_PLAYING;
}

int FluidSynthPlayer::currentTick() const {
    return d->player ? fluid_player_get_current_tick(d->player) : 0;
}

int FluidSynthPlayer::sampleRate() const {
    return static_cast<int>(sampleRateHz);
}

std::vector<float> FluidSynthPlayer::render(int frames) {
    std::vector<float> samples(static_cast<size_t>(qMax(0, frames)) * 2, 0.0f);
    if (!d->synth || d->driver || frames <= 0) return samples;
    fluid_synth_write_float(d->synth, frames, samples.data(), 0, 2, samples.data(), 1, 2);
    return samples;
}
