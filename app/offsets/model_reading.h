#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hull_mesh.h"

namespace norvika::offsets {

enum class ModelFormat { Step, Iges, Stl, Obj };

/// Which model axis (0 x, 1 y, 2 z) and direction give the ship's length
/// (forward), breadth (to port) and height (up).
struct ModelAxes {
  std::array<int, 3> axis = {0, 1, 2};
  std::array<double, 3> sign = {1.0, 1.0, 1.0};
};

/// How a model becomes metres in ship axes.
struct ModelPlacement {
  ModelAxes axes;
  double scale = 1.0;         // model units (metres for STEP and IGES) to ship metres
  double deflection = 0.001;  // m at ship scale: chord error of the surface triangulation
  bool force = false;         // cut a ship shorter than 1 m or larger than 500 m too
};

/// The format named by the file's extension (.step .stp .iges .igs .stl .obj,
/// any case); none for any other.
std::optional<ModelFormat> modelFormatOf(const std::filesystem::path& path);

/// Text of a format for the summary ("STEP", "IGES", "STL", "OBJ").
const char* modelFormatName(ModelFormat format);

/// Parses `--axes`: three distinct letters of x, y, z, each optionally
/// preceded by '-' (a model axis pointing aft, to starboard or down), e.g.
/// "xyz", "-xzy". Throws OffsetsError on anything else.
ModelAxes parseModelAxes(const std::string& text);

/// Refuses a ship (`ship`, its extents at scale, m) shorter than 1 m, or
/// longer, broader or higher than 500 m, unless forced; and a deflection
/// under 2e-6 or over 1e-2 of the largest extent (for a mesh only when its
/// size passed unforced: it has no deflection of its own to go by). Throws
/// OffsetsError naming the model `name`.
void checkModelSize(const MeshBounds& ship, ModelFormat format, const ModelPlacement& placement,
                    const std::string& name);

/// Reads a STEP or IGES model (surfaces or solids; triangulated to the
/// placement's deflection) or an STL (ASCII or binary) or OBJ mesh, and
/// returns its triangles in ship axes, metres, nodes welded. STEP and IGES
/// coordinates are taken in metres through the unit the file declares; STL
/// and OBJ carry no unit and are taken as metres. Throws OffsetsError naming
/// the file when it cannot be read or holds no triangles: a binary STL
/// shorter than its triangle count gives, a point that is not a finite
/// number. Before a STEP or IGES model is triangulated, its size
/// (checkModelSize on its bounding box). What was read all the same is
/// added to `warnings` (bytes after a binary STL's last triangle).
HullMesh readHullModel(const std::filesystem::path& path, ModelFormat format,
                       const ModelPlacement& placement, std::vector<std::string>& warnings);

}  // namespace norvika::offsets
