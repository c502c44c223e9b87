#pragma once
#include <QHash>
#include <QString>
#include <optional>

#include "toolkit/StdPicture.h"

namespace rd {

// Pictures by key, keys compared without regard to case.
class MenuImageList {
 public:
  void Add(const QString& key, const StdPicture& picture) { pictures_.insert(key.toLower(), picture); }
  std::optional<StdPicture> Picture(const QString& key) const {
    auto it = pictures_.constFind(key.toLower());
    if (it == pictures_.cend()) return std::nullopt;
    return *it;
  }

 private:
  QHash<QString, StdPicture> pictures_;
};

}  // namespace rd
