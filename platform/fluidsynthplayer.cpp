// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fluidsynthplayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <fluidsynth.h>

namespace {

// FluidSynth is loaded when the first piece is opened, not when the program
// starts: it brings some forty sound libraries with it, whose loading would
// delay the first window for music heard only at the closing screen. The
// functions the player calls, each looked up by its own name.
#define FENOVERRA_FLUID_FUNCTIONS(X)                                                               \
    X(fluid_set_log_function)                                                                      \
    X(fluid_is_midifile)                                                                           \
    X(new_fluid_settings)                                                                          \
    X(delete_fluid_settings)                                                                       \
    X(fluid_settings_setstr)                                                                       \
    X(fluid_settings_setnum)                                                                       \
    X(new_fluid_synth)                                                                             \
    X(delete_fluid_synth)                                                                          \
    X(fluid_synth_sfload)                                                                          \
    X(fluid_synth_all_sounds_off)                                                                  \
    X(fluid_synth_write_float)                                                                     \
    X(new_fluid_audio_driver)                                                                      \
    X(delete_fluid_audio_driver)                                                                   \
    X(new_fluid_player)                                                                            \
    X(delete_fluid_player)                                                                         \
    X(fluid_player_add)                                                                            \
    X(fluid_player_play)                                                                           \
    X(fluid_player_stop)                                                                           \
    X(fluid_player_seek)                                                                           \
    X(fluid_player_get_status)                                                                     \
    X(fluid_player_get_current_tick)

struct FluidSynth {
#define FENOVERRA_FLUID_POINTER(name) decltype(&::name) name = nullptr;
    FENOVERRA_FLUID_FUNCTIONS(FENOVERRA_FLUID_POINTER)
#undef FENOVERRA_FLUID_POINTER
};

// The library, loaded once; nullptr when it or one of its functions is
// missing, and the player then stays silent.
const FluidSynth* fluid() {
    static const FluidSynth* const loaded = []() -> const FluidSynth* {
        void* library = nullptr;
        for (const char* name : {"libfluidsynth.so.3", "libfluidsynth.so"}) {
            if ((library = dlopen(name, RTLD_NOW | RTLD_LOCAL))) break;
        }
        if (!library) return nullptr;
        static FluidSynth functions;
        bool complete = true;
#define FENOVERRA_FLUID_LOOKUP(name)                                                               \
    functions.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                   \
    complete = complete && functions.name;
        FENOVERRA_FLUID_FUNCTIONS(FENOVERRA_FLUID_LOOKUP)
#undef FENOVERRA_FLUID_LOOKUP
        if (!complete) return nullptr;
        // The player must never speak to the user; FluidSynth would print to the terminal.
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
            functions.fluid_set_log_function(level, nullptr, nullptr);
        return &functions;
    }();
    return loaded;
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
    const FluidSynth* f = nullptr; // set by open() once the library is there
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
            f->fluid_settings_setstr(settings, "audio.driver", driverName.constData());
        } else {
            f->fluid_settings_setstr(settings, "audio.driver", "file");
            f->fluid_settings_setstr(settings, "audio.file.name", "/dev/null");
            f->fluid_settings_setstr(settings, "audio.file.type", "raw");
        }
        driver = f->new_fluid_audio_driver(settings, synth);
    }

    void stopDriver() {
        if (driver) f->delete_fluid_audio_driver(driver);
        driver = nullptr;
    }

    void release() {
        // The driver's thread drives the player: stop it first.
        stopDriver();
        if (player) {
            f->fluid_player_stop(player);
            f->delete_fluid_player(player);
        }
        if (synth) f->delete_fluid_synth(synth);
        if (settings) f->delete_fluid_settings(settings);
        player = nullptr;
        synth = nullptr;
        settings = nullptr;
        paused = false;
    }
};

FluidSynthPlayer::FluidSynthPlayer(Output output) : d(std::make_unique<Impl>(output)) {}

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
    d->f = fluid();
    if (!d->f) return false;
    const QByteArray midiName = QFile::encodeName(midiFile);
    const QByteArray soundFontName = QFile::encodeName(soundFont);
    if (soundFont.isEmpty() || !QFile::exists(soundFont) || !QFile::exists(midiFile) ||
        !d->f->fluid_is_midifile(midiName.constData()))
        return false;

    d->settings = d->f->new_fluid_settings();
    if (!d->settings) return false;
    d->f->fluid_settings_setnum(d->settings, "synth.sample-rate", sampleRateHz);
    d->f->fluid_settings_setnum(d->settings, "synth.gain", gain);
    // The player follows the rendered samples: it keeps time with whatever
    // renders them, and stands still while nothing does.
    d->f->fluid_settings_setstr(d->settings, "player.timing-source", "sample");
    d->synth = d->f->new_fluid_synth(d->settings);
    if (!d->synth ||
        d->f->fluid_synth_sfload(d->synth, soundFontName.constData(), 1) == FLUID_FAILED) {
        d->release();
        return false;
    }
    d->player = d->f->new_fluid_player(d->synth);
    if (!d->player || d->f->fluid_player_add(d->player, midiName.constData()) != FLUID_OK) {
        d->release();
        return false;
    }
    return true;
}

void FluidSynthPlayer::play() {
    if (!d->player) return;
    // A piece that ended by itself starts again from its beginning.
    if (!d->paused && d->f->fluid_player_get_status(d->player) == FLUID_PLAYER_DONE)
        d->f->fluid_player_seek(d->player, 0);
    d->paused = false;
    d->f->fluid_player_play(d->player);
    d->startDriver();
}

void FluidSynthPlayer::pause() {
    if (!d->player) return;
    // With the driver gone nothing renders, and the player, which keeps
    // time with the rendering, stands where it is.
    d->stopDriver();
    if (d->f->fluid_player_get_status(d->player) == FLUID_PLAYER_PLAYING) {
        d->f->fluid_player_stop(d->player);
        d->paused = true;
    }
    d->f->fluid_synth_all_sounds_off(d->synth, -1);
}

void FluidSynthPlayer::close() {
    d->release();
}

bool FluidSynthPlayer::isOpen() const {
    return d->player != nullptr;
}

bool FluidSynthPlayer::isPlaying() const {
    return d->player && d->f->fluid_player_get_status(d->player) == FLUID_PLAYER_PLAYING &&
           (d->driver || d->output == Output::Offline);
}

bool FluidSynthPlayer::isRendering() const {
    return d->driver != nullptr;
}

int FluidSynthPlayer::currentTick() const {
    return d->player ? d->f->fluid_player_get_current_tick(d->player) : 0;
}

int FluidSynthPlayer::sampleRate() const {
    return static_cast<int>(sampleRateHz);
}

std::vector<float> FluidSynthPlayer::render(int frames) {
    std::vector<float> samples(static_cast<size_t>(qMax(0, frames)) * 2, 0.0f);
    if (!d->synth || d->driver || frames <= 0) return samples;
    d->f->fluid_synth_write_float(d->synth, frames, samples.data(), 0, 2, samples.data(), 1, 2);
    return samples;
}
