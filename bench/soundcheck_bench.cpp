// SPDX-License-Identifier: GPL-3.0-or-later
// How long the sound files take to check: the whole page walk of the longest narration
// before it plays (on the window's thread, so well under a millisecond), and the start-up
// report over every file of the built program folder, before and after the narration was
// compressed (wave files: headers only; Ogg Opus: first and last page).
#include "programfiles.h"
#include "sound.h"

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString ProgramFolder = QStringLiteral(LUMARO_BIN_DIR);

QString LongestNarration()
{
    const QFileInfoList files =
        QDir(ProgramFolder).entryInfoList({u"jiangjie*.ogg"_s}, QDir::Files, QDir::Size);
    return files.isEmpty() ? QString() : files.front().filePath();
}

void CheckBeforePlaying(benchmark::State &state)
{
    const QString path = LongestNarration();
    if (!SoundFilePlayer::isPlayableFile(path)) {
        state.SkipWithError("no playable narration in the program folder; build it first");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(SoundFilePlayer::playableFormat(path));
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}
BENCHMARK(CheckBeforePlaying)->Unit(benchmark::kMicrosecond);

void ReportMissingFilesAtStart(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(MissingProgramFiles(ProgramFolder));
    state.counters["files"] = double(ProgramFileNames(ProgramFolder).size());
}
BENCHMARK(ReportMissingFilesAtStart)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
