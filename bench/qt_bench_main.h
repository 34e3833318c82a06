#pragma once

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "artwork/artwork_sets.h"

// Runs the benchmarks of a program that paints: on the offscreen platform unless another one
// is asked for, inside an application object of type App, with the artwork sets loaded.
template <typename App>
int runQtBenchmarks(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  App app(argc, argv);
  loadArtworkSets(QCoreApplication::applicationDirPath().toStdString());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  freeArtworkSets();
  return 0;
}
