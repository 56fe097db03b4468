// SPDX-License-Identifier: GPL-3.0-or-later
// The closing-screen music: the FluidSynth player rendered offline or into
// nothing, and the music control without its file or without a sound device.
#include "platform/fluidsynthplayer.h"
#include "platform/mmcontrol.h"

#include <QtTest>
#include <unistd.h>

static float peakOf(FluidSynthPlayer& player, double seconds) {
    float peak = 0;
    for (int done = 0; done < int(seconds * player.sampleRate()); done += 4410)
        for (float s : player.render(4410))
            peak = std::max(peak, std::fabs(s));
    return peak;
}

static QByteArray stderrDuring(const std::function<void()>& run) {
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

class TestMusic : public QObject {
    Q_OBJECT
    const QString tune = QFINDTESTDATA("../resources/Internet.mid");

private slots:
    // Sound, silence while paused (a driver idle too: no CPU), sound again.
    void playPauseResume_data() {
        QTest::addColumn<bool>("driver"); // else rendered here, offline
        QTest::newRow("offline") << false;
        QTest::newRow("driver into nothing") << true;
    }
    void playPauseResume() {
        QFETCH(bool, driver);
        if (!QFile::exists(FluidSynthPlayer::defaultSoundFont()))
            QSKIP("the General MIDI soundfont is not installed");
        FluidSynthPlayer player(driver ? FluidSynthPlayer::Output::Discard
                                       : FluidSynthPlayer::Output::Offline);
        QVERIFY(player.open(tune) && !player.isRendering());
        QStringList heard;
        QList<bool> playing;
        for (bool play : {true, false, true}) {
            play ? player.play() : player.pause();
            const std::clock_t before = std::clock();                   // the process's CPU time
            driver ? QThread::msleep(1000) : void(peakOf(player, 1.5)); // released notes fade
            const bool sounds =
                driver ? player.isRendering() || std::clock() - before >= CLOCKS_PER_SEC / 100
                       : peakOf(player, 1) > 0.01f;
            heard << (sounds ? "sound" : "silence");
            playing << player.isPlaying();
        }
        QCOMPARE(heard, (QStringList{"sound", "silence", "sound"}));
        QCOMPARE(playing, (QList<bool>{true, false, true}));
    }

    // A tune that ended by itself plays again from its beginning; the player
    // rewinds rather than being made anew under a running driver.
    void replayAfterTheEnd() {
        if (!QFile::exists(FluidSynthPlayer::defaultSoundFont()))
            QSKIP("the General MIDI soundfont is not installed");
        FluidSynthPlayer player(FluidSynthPlayer::Output::Offline);
        QVERIFY(player.open(tune));
        player.play();
        for (int second = 0; second < 120 && player.isPlaying(); ++second)
            player.render(player.sampleRate());
        QVERIFY2(!player.isPlaying(), "the tune does not end");
        player.play();
        const int threeSeconds = 3 * 480 * 96 / 60; // ticks at 96 beats a minute
        QVERIFY(player.isPlaying() && peakOf(player, 2) > 0.02f &&
                player.currentTick() < threeSeconds);
    }

    // Without its file or without a sound device (if this machine has none)
    // the closing screen is silent and so is the terminal: no library may print why.
    void silentWithoutFileOrDevice() {
        QStringList files{"nessun-file-Internet.mid"};
        if (FluidSynthPlayer::deviceDriver().isEmpty()) files << tune;
        for (const QString& file : files) {
            MMControl control;
            control.FileName = file;
            const QByteArray printed = stderrDuring([&] {
                for (const char* command :
                     {"open", "play", "pause", "play", "Close", "play", "sconosciuto", "close"})
                    control.setCommand(command);
            });
            QCOMPARE(QString::fromLocal8Bit(printed), QString());
            QVERIFY2(!control.isPlaying(), qPrintable(file));
        }
    }
};

QTEST_MAIN(TestMusic)
#include "tst_shell_music.moc"
