#pragma once
// What the benchmarks measure besides time: resident memory and whether a
// widget has painted.
#include <QByteArray>
#include <QEvent>
#include <QFile>
#include <QObject>

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

}  // namespace benchprobes
