#pragma once

#include <QString>
#include <string_view>

#include "words/catalogue.h"

namespace norvika {

/// UTF-8 words as a QString.
inline QString qtString(std::string_view words) {
  return QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size()));
}

/// The text `id` in the thread's language, for a Qt widget.
inline QString qtText(Text id) { return qtString(text(id)); }

}  // namespace norvika
