#include "artwork_set.h"

#include <stdexcept>

void ArtworkSet::Add(const std::string& name, Image image) {
  if (!pictures_.emplace(name, std::move(image)).second) throw std::runtime_error("picture drawn twice: " + name);
}
