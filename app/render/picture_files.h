#pragma once

#include <QSize>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/window.h"

class QPageLayout;
class QPainter;
class QPdfWriter;

namespace norvika {

/// The pixel size of saved pictures of the sections and the graphs.
inline constexpr QSize kPictureSize{1440, 1080};

/// The pixel size of a window's saved pictures: the ship's profiles are wide.
QSize pictureSizeFor(WindowId window);

/// Writes `frame` as a PNG image of `size` pixels (its window's size when empty); false when
/// the file cannot be written.
bool saveFramePng(const Frame& frame, const std::filesystem::path& file, QSize size = QSize());
/// Writes `frame` as an SVG drawing of `size` pixels (its window's size when empty); false
/// when the file cannot be written.
bool saveFrameSvg(const Frame& frame, const std::filesystem::path& file, QSize size = QSize());
/// Writes `frame` as a one-page landscape PDF with `caption` above the drawing; false when the
/// file cannot be written.
bool saveFramePdf(const Frame& frame, const std::filesystem::path& file, const QString& caption);
/// Writes `frame` in the format its extension names (.png, .svg, .pdf, any case); false for
/// another extension or when the file cannot be written.
bool saveFrame(const Frame& frame, const std::filesystem::path& file, const QString& caption);

/// Writes `frame` as `stem`.png and `stem`.svg in `directory`, each to a new
/// file renamed into place (a link there is replaced, never followed); the
/// files that could not be written are added to `failures`. Whether both were
/// written.
bool saveFramePictures(const Frame& frame, const std::filesystem::path& directory,
                       const std::string& stem, std::vector<std::filesystem::path>& failures);

/// Device pixels per inch of the PDF files written here.
inline constexpr int kPdfResolution = 300;

/// A4 landscape with 12 mm margins: the page of a drawing in a PDF.
QPageLayout framePageLayout();

/// Paints one landscape page of a PDF: `caption` on top, `frame` in the rest of the page and,
/// when given, `footer` (a page number) at its bottom right.
void paintFramePage(QPainter& painter, QPdfWriter& writer, const Frame& frame,
                    const QString& caption, const QString& footer = QString());

/// A path as Qt wants it (UTF-8 file names).
QString toQString(const std::filesystem::path& path);

}  // namespace norvika
