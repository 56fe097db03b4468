#pragma once
// A MIDI file played by FluidSynth with a General MIDI soundfont.
//
// Device output plays through the system's sound device, or, without one,
// renders into /dev/null so that the timing still runs. Discard output
// renders into /dev/null in any case, in real time. Offline output opens
// no device at all: the caller pulls the samples with render().
// Every failure leaves the player silent; nothing is reported.

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

    static QString defaultSoundFont(); // the Debian General MIDI soundfont

    // false when the soundfont or the file cannot be loaded (the player stays silent).
    bool open(const QString& midiFile, const QString& soundFont = defaultSoundFont());
    void play();  // starts, resumes after pause(), or starts again after the end
    void pause(); // stops where it is, silencing the sounding notes
    void close();

    bool isOpen() const;
    bool isPlaying() const;
    int currentTick() const;
    int sampleRate() const;

    // Offline output only: the next frames as interleaved stereo samples.
    std::vector<float> render(int frames);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
