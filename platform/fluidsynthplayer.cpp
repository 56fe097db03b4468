#include "platform/fluidsynthplayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
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

extern "C" void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// ALSA prints its own errors (a card that is busy or gone) on the terminal.
// FluidSynth loads ALSA's library, so its error handler can be replaced
// without building against ALSA.
void silenceAlsa() {
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    static const bool silenced = [] {
        if (auto set =
                reinterpret_cast<SetHandler>(dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler")))
            set(&ignoreAlsaError);
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
    QByteArray driverName; // device output: the driver chosen at open
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;
    // Stopped by pause(): the player reads as done then too, but resumes
    // where it stood instead of starting again.
    bool paused = false;

    explicit Impl(Output o) : output(o) {}

    void startDriver() {
        if (driver || !synth || output == Output::Offline) return;
        if (output == Output::Device) {
            silenceAlsa();
            fluid_settings_setstr(settings, "audio.driver", driverName.constData());
        } else {
            fluid_settings_setstr(settings, "audio.driver", "file");
            fluid_settings_setstr(settings, "audio.file.name", "/dev/null");
            fluid_settings_setstr(settings, "audio.file.type", "raw");
        }
        driver = new_fluid_audio_driver(settings, synth);
    }

    void stopDriver() {
        if (driver) delete_fluid_audio_driver(driver);
        driver = nullptr;
    }

    void release() {
        // The driver's thread drives the player: stop it first.
        stopDriver();
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
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

QString FluidSynthPlayer::soundFontIn(const QString& folder) {
    for (const char* name : {"default-GM.sf2", "TimGM6mb.sf2"}) {
        const QString file = QDir(folder).filePath(QLatin1String(name));
        if (QFileInfo(file).isFile()) return file;
    }
    return {};
}

QString FluidSynthPlayer::defaultSoundFont() {
    return soundFontIn(QStringLiteral("/usr/share/sounds/sf2"));
}

// Only a driver whose device is there is tried: FluidSynth's default driver
// without a sound card, or JACK without its server, would fill the terminal
// with the errors of their libraries.
QByteArray FluidSynthPlayer::deviceDriver() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsSet("PULSE_SERVER") ||
        (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"))))
        return QByteArrayLiteral("pulseaudio");
    const QStringList playback =
        QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*D*p")}, QDir::System);
    if (!playback.isEmpty()) return QByteArrayLiteral("alsa");
    return {};
}

bool FluidSynthPlayer::open(const QString& midiFile, const QString& soundFont) {
    d->release();
    if (d->output == Output::Device) {
        d->driverName = deviceDriver();
        if (d->driverName.isEmpty()) return false;
    }
    const QByteArray midiName = QFile::encodeName(midiFile);
    const QByteArray soundFontName = QFile::encodeName(soundFont);
    if (soundFont.isEmpty() || !QFile::exists(soundFont) || !QFile::exists(midiFile) ||
        !fluid_is_midifile(midiName.constData()))
        return false;

    d->settings = new_fluid_settings();
    if (!d->settings) return false;
    fluid_settings_setnum(d->settings, "synth.sample-rate", sampleRateHz);
    fluid_settings_setnum(d->settings, "synth.gain", gain);
    // The player follows the rendered samples: it keeps time with whatever
    // renders them, and stands still while nothing does.
    fluid_settings_setstr(d->settings, "player.timing-source", "sample");
    d->synth = new_fluid_synth(d->settings);
    if (!d->synth || fluid_synth_sfload(d->synth, soundFontName.constData(), 1) == FLUID_FAILED) {
        d->release();
        return false;
    }
    d->player = new_fluid_player(d->synth);
    if (!d->player || fluid_player_add(d->player, midiName.constData()) != FLUID_OK) {
        d->release();
        return false;
    }
    return true;
}

void FluidSynthPlayer::play() {
    if (!d->player) return;
    // A piece that ended by itself starts again from its beginning.
    if (!d->paused && fluid_player_get_status(d->player) == FLUID_PLAYER_DONE)
        fluid_player_seek(d->player, 0);
    d->paused = false;
    fluid_player_play(d->player);
    d->startDriver();
}

void FluidSynthPlayer::pause() {
    if (!d->player) return;
    // With the driver gone nothing renders, and the player, which keeps
    // time with the rendering, stands where it is.
    d->stopDriver();
    if (fluid_player_get_status(d->player) == FLUID_PLAYER_PLAYING) {
        fluid_player_stop(d->player);
        d->paused = true;
    }
    fluid_synth_all_sounds_off(d->synth, -1);
}

void FluidSynthPlayer::close() {
    d->release();
}

bool FluidSynthPlayer::isOpen() const {
    return d->player != nullptr;
}

bool FluidSynthPlayer::isPlaying() const {
    return d->player && fluid_player_get_status(d->player) == FLUID_PLAYER_PLAYING &&
           (d->driver || d->output == Output::Offline);
}

bool FluidSynthPlayer::isRendering() const {
    return d->driver != nullptr;
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
