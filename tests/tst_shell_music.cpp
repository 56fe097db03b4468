// The closing-screen music: the FluidSynth player rendered offline, and the
// music control's commands.

#include "shell/fluidsynthplayer.h"
#include "shell/mmcontrol.h"
#include "support/shelldoubles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

QString sourceFile(const QString& relative) {
    const QString root = qEnvironmentVariable("FENOVERRA_SOURCE_DIR");
    return root.isEmpty() ? QFINDTESTDATA("../" + relative) : root + "/" + relative;
}

QString tuneFile() { return sourceFile("resources/Internet.mid"); }

float peakOf(const std::vector<float>& samples) {
    float peak = 0;
    for (float s : samples) peak = std::max(peak, std::fabs(s));
    return peak;
}

double rmsOf(const std::vector<float>& samples) {
    double sum = 0;
    for (float s : samples) sum += double(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

std::vector<float> renderSeconds(FluidSynthPlayer& player, double seconds) {
    std::vector<float> all;
    const int block = 4410;
    for (int done = 0; done < int(seconds * player.sampleRate()); done += block) {
        const std::vector<float> part = player.render(block);
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

void requireSoundFont() {
    if (!QFile::exists(FluidSynthPlayer::defaultSoundFont()))
        QSKIP("the General MIDI soundfont is not installed");
}

} // namespace

class TestMusic : public QObject {
    Q_OBJECT
private slots:
    void tuneIsAStandardMidiFile() {
        QFile file(tuneFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("MThd"));
        QVERIFY(bytes.size() > 200);
    }

    void tuneSoundsAndLastsTwentyToFortySeconds() {
        requireSoundFont();
        FluidSynthPlayer player(FluidSynthPlayer::Output::Offline);
        QVERIFY(player.open(tuneFile()));
        player.play();
        QVERIFY(player.isPlaying());
        const std::vector<float> opening = renderSeconds(player, 3);
        QVERIFY2(peakOf(opening) > 0.05f, "the opening is silent");
        QVERIFY(rmsOf(opening) > 0.005);
        QVERIFY2(peakOf(opening) < 0.95f, "the tune clips");
        double seconds = 3;
        while (player.isPlaying() && seconds < 60) {
            renderSeconds(player, 0.5);
            seconds += 0.5;
        }
        QVERIFY2(seconds >= 20 && seconds <= 40, qPrintable(QString::number(seconds)));
    }

    void pauseThenPlayResumesWhereItStopped() {
        requireSoundFont();
        FluidSynthPlayer player(FluidSynthPlayer::Output::Offline);
        QVERIFY(player.open(tuneFile()));
        player.play();
        renderSeconds(player, 4);
        player.pause();
        QVERIFY(!player.isPlaying());
        renderSeconds(player, 1.5); // the released notes fade out
        const int stoppedAt = player.currentTick();
        QVERIFY(stoppedAt > 0);
        const std::vector<float> whilePaused = renderSeconds(player, 1);
        QCOMPARE(player.currentTick(), stoppedAt);
        QVERIFY2(peakOf(whilePaused) < 0.005f, "still sounding while paused");
        player.play();
        const std::vector<float> resumed = renderSeconds(player, 2);
        QVERIFY(player.isPlaying());
        QVERIFY(player.currentTick() > stoppedAt);
        QVERIFY(player.currentTick() < stoppedAt + 3 * 480 * 96 / 60); // not restarted, not skipped ahead
        QVERIFY(peakOf(resumed) > 0.02f);
    }

    void playAfterTheEndStartsAgain() {
        requireSoundFont();
        FluidSynthPlayer player(FluidSynthPlayer::Output::Offline);
        QVERIFY(player.open(tuneFile()));
        player.play();
        for (int i = 0; i < 120 && player.isPlaying(); ++i) renderSeconds(player, 0.5);
        QVERIFY(!player.isPlaying());
        player.play();
        QVERIFY(player.isPlaying());
        QVERIFY(peakOf(renderSeconds(player, 2)) > 0.02f);
        QVERIFY(player.currentTick() < 480 * 4);
    }

    void realTimePlayingKeepsTimeWithoutASoundDevice() {
        requireSoundFont();
        FluidSynthPlayer player(FluidSynthPlayer::Output::Discard);
        QVERIFY(player.open(tuneFile()));
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.currentTick() > 200, 5000);
        player.pause();
        QTest::qWait(100);
        const int stoppedAt = player.currentTick();
        QTest::qWait(300);
        QCOMPARE(player.currentTick(), stoppedAt);
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.currentTick() > stoppedAt + 100, 5000);
        // Closed while playing: returns promptly.
        QElapsedTimer timer;
        timer.start();
        player.close();
        QVERIFY(timer.elapsed() < 2000);
        QVERIFY(!player.isOpen());
    }

    void whatCannotPlayStaysSilent_data() {
        QTest::addColumn<QString>("midi");
        QTest::addColumn<QString>("soundFont");
        QTest::newRow("no music file") << "/nonexistent/Internet.mid" << FluidSynthPlayer::defaultSoundFont();
        QTest::newRow("no soundfont") << tuneFile() << "/nonexistent/none.sf2";
        QTest::newRow("not a MIDI file") << sourceFile("CMakeLists.txt")
                                         << FluidSynthPlayer::defaultSoundFont();
    }
    void whatCannotPlayStaysSilent() {
        QFETCH(QString, midi);
        QFETCH(QString, soundFont);
        FluidSynthPlayer player(FluidSynthPlayer::Output::Offline);
        QVERIFY(!player.open(midi, soundFont));
        player.play();
        player.pause();
        player.play();
        QVERIFY(!player.isPlaying());
        QCOMPARE(peakOf(player.render(4410)), 0.0f);
        player.close();
    }

    void controlWithoutItsFileNeverFails() {
        MMControl control;
        control.FileName = "nessun-file-Internet.mid";
        QCOMPARE(control.resolvedFileName(), QCoreApplication::applicationDirPath() + "/nessun-file-Internet.mid");
        for (const char* command : {"open", "play", "pause", "play", "Close", "play", "sconosciuto"})
            control.setCommand(command);
        QVERIFY(!control.isPlaying());
        QCOMPARE(control.Command(), QString("sconosciuto"));
    }

    void doubleRecordsCommandsWithTheFile() {
        ShellDoubles doubles;
        MMControl control;
        control.FileName = "Internet.mid";
        control.setCommand("open");
        control.setCommand("PLAY");
        QCOMPARE(MMControl::sentCommands(), (QStringList{"open", "play"}));
        QCOMPARE(MMControl::sent().first().fileName, QString("Internet.mid"));
        QVERIFY(!control.isPlaying());
    }
};

QTEST_MAIN(TestMusic)
#include "tst_shell_music.moc"
