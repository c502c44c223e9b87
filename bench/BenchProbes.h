#pragma once
// What the benchmarks measure besides time (resident memory, whether a
// widget has painted), and the median of repeated timings.
#include <QByteArray>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <algorithm>
#include <vector>

namespace benchprobes {

// Resident set size of this process in MB; 0 when it cannot be read.
inline double RssMb() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
  return 0;
}

// Installed as an event filter, notes the first paint of the watched widget.
class PaintWatch : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// The time one call of run takes, in µs.
template <class Run>
double TimeUs(Run run) {
  QElapsedTimer timer;
  timer.start();
  run();
  return double(timer.nsecsElapsed()) / 1000.0;
}

}  // namespace benchprobes
