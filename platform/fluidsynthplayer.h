// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A MIDI file played by FluidSynth with a General MIDI soundfont.
//
// Device output plays through the system's sound device: the desktop's
// sound server (PulseAudio, or PipeWire speaking its protocol) when one
// runs, else a sound card's ALSA playback device. Without either it stays
// silent and renders nothing; no library gets the chance to print on the
// terminal. Discard output renders into /dev/null in real time, through the
// same driver life as a device. Offline output opens no driver at all: the
// caller pulls the samples with render().
//
// The audio driver runs only while the music plays: pausing stops it, so a
// paused piece costs no CPU, and the player itself is never replaced while
// a driver runs (a piece that ended is rewound with the player's own seek).
// Every failure leaves the player silent; nothing is reported.

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class FluidSynthPlayer {
public:
    enum class Output { Device, Discard, Offline };

    explicit FluidSynthPlayer(Output output);
    ~FluidSynthPlayer();
    FluidSynthPlayer(const FluidSynthPlayer&) = delete;
    FluidSynthPlayer& operator=(const FluidSynthPlayer&) = delete;

    // The General MIDI soundfont in a folder: Debian's default-GM.sf2
    // alternative, else TimGM6mb.sf2; empty when neither is there.
    static QString soundFontIn(const QString& folder);
    static QString defaultSoundFont(); // in /usr/share/sounds/sf2
    // The FluidSynth audio driver that reaches a sound device on this
    // machine, or empty when there is none.
    static QByteArray deviceDriver();

    // false when the soundfont or the file cannot be loaded, or when device
    // output finds no device (the player stays silent).
    bool open(const QString& midiFile, const QString& soundFont = defaultSoundFont());
    void play();  // starts, resumes after pause(), or starts again after the end
    void pause(); // stops where it is, silences the sounding notes, stops the driver
    void close();

    bool isOpen() const;
    bool isPlaying() const;   // the piece runs and something renders it
    bool isRendering() const; // an audio driver is running
    int currentTick() const;
    int sampleRate() const;

    // Offline output only: the next frames as interleaved stereo samples.
    std::vector<float> render(int frames);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
