// The closing-screen music: the FluidSynth player rendered offline or into
// nothing, the soundfont it takes, and the music control without its file
// or without a sound device.

#include "platform/fluidsynthplayer.h"
#include "platform/mmcontrol.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <cmath>
#include <ctime>
#include <unistd.h>

namespace {

float peakOf(FluidSynthPlayer& player, double seconds) {
    float peak = 0;
    for (int done = 0; done < int(seconds * player.sampleRate()); done += 4410)
        for (float s : player.render(4410))
            peak = std::max(peak, std::fabs(s));
    return peak;
}

// What is written on the terminal's error stream while `run` runs.
QByteArray stderrDuring(const std::function<void()>& run) {
    QTemporaryFile capture;
    if (!capture.open()) return "cannot capture";
    fflush(stderr);
    const int saved = dup(2);
    dup2(capture.handle(), 2);
    run();
    fflush(stderr);
    dup2(saved, 2);
    ::close(saved);
    capture.seek(0);
    return capture.readAll();
}

} // namespace

class TestMusic : public QObject {
    Q_OBJECT
    const QString tune = QFINDTESTDATA("../resources/Internet.mid");

private slots:
    // The tune sounds, pauses where it is and resumes there; once it has
    // ended by itself it plays again from its beginning.
    void tuneSoundsPausesAndReplays() {
        if (!QFile::exists(FluidSynthPlayer::defaultSoundFont()))
            QSKIP("the General MIDI soundfont is not installed");
        FluidSynthPlayer player(FluidSynthPlayer::Output::Offline);
        QVERIFY(player.open(tune));
        player.play();
        const float opening = peakOf(player, 4);
        QVERIFY2(opening > 0.05f && opening < 0.95f, "the opening is silent or clips");
        player.pause();
        peakOf(player, 1.5); // the released notes fade out
        const int stoppedAt = player.currentTick();
        QVERIFY2(peakOf(player, 1) < 0.005f && player.currentTick() == stoppedAt,
                 "still sounding or moving while paused");
        player.play();
        QVERIFY(peakOf(player, 2) > 0.02f);
        const int threeSeconds = 3 * 480 * 96 / 60; // ticks at 96 beats a minute
        QVERIFY(player.currentTick() > stoppedAt &&
                player.currentTick() < stoppedAt + threeSeconds);

        for (int second = 0; second < 120 && player.isPlaying(); ++second)
            player.render(player.sampleRate());
        QVERIFY2(!player.isPlaying(), "the tune does not end");
        player.play();
        QVERIFY(player.isPlaying() && peakOf(player, 2) > 0.02f &&
                player.currentTick() < threeSeconds);
    }

    // Debian's alternative first, then TimGM6mb, else none.
    void soundFontChoice() {
        QTemporaryDir folder;
        QCOMPARE(FluidSynthPlayer::soundFontIn(folder.path()), QString());
        for (const char* name : {"TimGM6mb.sf2", "default-GM.sf2"}) {
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
            QCOMPARE(FluidSynthPlayer::soundFontIn(folder.path()), folder.filePath(name));
        }
    }

    // While paused nothing renders: no driver, no CPU.
    void pauseStopsTheDriver() {
        if (FluidSynthPlayer::defaultSoundFont().isEmpty())
            QSKIP("the General MIDI soundfont is not installed");
        FluidSynthPlayer player(FluidSynthPlayer::Output::Discard);
        QVERIFY(player.open(tune) && !player.isRendering());
        for (bool playing : {true, false, true}) {
            playing ? player.play() : player.pause();
            QVERIFY(player.isRendering() == playing && player.isPlaying() == playing);
            const std::clock_t before = std::clock(); // the process's CPU time
            QThread::msleep(playing ? 300 : 1000);
            QVERIFY2(playing || std::clock() - before < CLOCKS_PER_SEC / 100,
                     "something still renders while paused");
        }
    }

    // Without its file or without a sound device the closing screen is
    // silent and so is the terminal: no library may print why.
    void silentWithoutFileOrDevice_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("no file") << "nessun-file-Internet.mid";
        QTest::newRow("no device") << tune;
    }
    void silentWithoutFileOrDevice() {
        QFETCH(QString, file);
        if (file == tune && !FluidSynthPlayer::deviceDriver().isEmpty())
            QSKIP("this machine has a sound device");
        MMControl control;
        control.FileName = file;
        const QByteArray printed = stderrDuring([&] {
            for (const char* command :
                 {"open", "play", "pause", "play", "Close", "play", "sconosciuto", "close"})
                control.setCommand(command);
        });
        QCOMPARE(QString::fromLocal8Bit(printed), QString());
        QVERIFY(!control.isPlaying());
    }
};

QTEST_MAIN(TestMusic)
#include "tst_shell_music.moc"
