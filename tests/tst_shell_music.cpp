// The closing-screen music: the FluidSynth player rendered offline, and the
// music control without its file.

#include "platform/fluidsynthplayer.h"
#include "platform/mmcontrol.h"

#include <QFile>
#include <QtTest>
#include <cmath>

namespace {

QString sourceFile(const QString& relative) {
    const QString root = qEnvironmentVariable("FENOVERRA_SOURCE_DIR");
    return root.isEmpty() ? QFINDTESTDATA("../" + relative) : root + "/" + relative;
}

float peakOf(FluidSynthPlayer& player, double seconds) {
    float peak = 0;
    for (int done = 0; done < int(seconds * player.sampleRate()); done += 4410)
        for (float s : player.render(4410))
            peak = std::max(peak, std::fabs(s));
    return peak;
}

} // namespace

class TestMusic : public QObject {
    Q_OBJECT
    const QString tune = sourceFile("resources/Internet.mid");

private slots:
    void tuneSoundsAndPausesWhereItStopped() {
        if (!QFile::exists(FluidSynthPlayer::defaultSoundFont()))
            QSKIP("the General MIDI soundfont is not installed");
        FluidSynthPlayer player(FluidSynthPlayer::Output::Offline);
        QVERIFY(player.open(tune));
        player.play();
        const float opening = peakOf(player, 4);
        QVERIFY2(opening > 0.05f, "the opening is silent");
        QVERIFY2(opening < 0.95f, "the tune clips");
        player.pause();
        peakOf(player, 1.5); // the released notes fade out
        const int stoppedAt = player.currentTick();
        QVERIFY2(peakOf(player, 1) < 0.005f, "still sounding while paused");
        QCOMPARE(player.currentTick(), stoppedAt);
        player.play();
        QVERIFY(peakOf(player, 2) > 0.02f);
        QVERIFY(player.currentTick() > stoppedAt);
        QVERIFY(player.currentTick() <
                stoppedAt + 3 * 480 * 96 / 60); // not restarted, not skipped ahead
    }

    void whatCannotPlayStaysSilent_data() {
        QTest::addColumn<QString>("midi");
        QTest::addColumn<QString>("soundFont");
        QTest::newRow("no music file")
            << "/nonexistent/Internet.mid" << FluidSynthPlayer::defaultSoundFont();
        QTest::newRow("no soundfont") << tune << "/nonexistent/none.sf2";
    }
    void whatCannotPlayStaysSilent() {
        QFETCH(QString, midi);
        QFETCH(QString, soundFont);
        FluidSynthPlayer player(FluidSynthPlayer::Output::Offline);
        QVERIFY(!player.open(midi, soundFont));
        player.play();
        QVERIFY(!player.isPlaying());
        QCOMPARE(peakOf(player, 0.1), 0.0f);
    }

    void controlWithoutItsFileNeverFails() {
        MMControl control;
        control.FileName = "nessun-file-Internet.mid";
        for (const char* command :
             {"open", "play", "pause", "play", "Close", "play", "sconosciuto"})
            control.setCommand(command);
        QVERIFY(!control.isPlaying());
    }
};

QTEST_MAIN(TestMusic)
#include "tst_shell_music.moc"
