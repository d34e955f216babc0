#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "cut_tolerances.h"
#include "hull_mesh.h"
#include "section_outline.h"

namespace norvika::offsets {

/// A mesh in hull-file axes (x from AP, z above base) with what cutting it
/// needs.
struct CutModel {
  const HullMesh* mesh = nullptr;
  MeshBoundary boundary;  // boundaryOf(mesh)
  CutTolerances tolerances;
  double middleX = 0.0;  // a node on a plane counts on this side of it (sliceMesh)
};

/// The cuts of the model at the planes x = planes[i] (m from AP, rising),
/// seams closed (closeSeams; alsoAt as there). A plane that meets no hull at
/// all (it lies in a crack across the model) takes the cuts a seam tolerance
/// aft and forward of it together; `borrowed`, when given, gets the indices
/// of those planes.
std::vector<ClosedCut> closedCutsAt(const CutModel& model, const std::vector<double>& planes,
                                    std::optional<double> alsoAt = std::nullopt,
                                    std::vector<std::size_t>* borrowed = nullptr);

/// What a section gives at a waterline (m, both sides of the ship).
struct SectionValues {
  double area = 0.0;     // m2
  double breadth = 0.0;  // of the waterplane, m
  double girth = 0.0;  // m, as outlineGirth; on up the centre line above a section that goes up it
};

/// The values of a section at the waterline (m above base): area and breadth
/// from its outline, girth from its reduced outline (its noise is no hull);
/// `upCentreLine` when its written station goes on up the centre line
/// (goesUpCentreLine), which the girth then follows too.
SectionValues sectionValues(const SectionOutline& outline, const SectionOutline& reduced,
                            double waterline, bool upCentreLine);

/// One cut of the model for its values along the ship.
struct ModelCut {
  double x = 0.0;       // m from AP
  double weight = 0.0;  // m of length it stands for
  SectionValues values;
};

/// The model's own volume, centre and surfaces below a waterline.
struct ModelHydrostatics {
  double volume = 0.0;          // m3
  double lcb = 0.0;             // m from AP
  double waterplaneArea = 0.0;  // m2
  double wettedSurface = 0.0;   // m2: girths along the ship
  int sections = 0;             // cuts made
  std::vector<ModelCut> cuts;
};

/// How the model's length is cut into parts for its volume.
struct ModelParts {
  int mostPlaces = 1001;  // nodes at no more places along the ship: parts between them
  int equalParts = 100;   // else this many equal parts
};

/// How the model's sections are taken.
struct SectionRules {
  ModelSides sides = ModelSides::Both;
  double presence = 0.0;     // m, see halvesAt
  double modelMiddle = 0.0;  // m above base, see goesUpCentreLine
};

/// The model's values below the waterline (m above base): its length (lowX
/// to highX, m from AP) cut into parts, between the places of its nodes
/// along the ship when they are few (a box-like or coarse model: exact), else
/// equal ones; each part's sectionValues integrated by two-point
/// Gauss-Legendre, so no cut stands on an end or a step of the model.
ModelHydrostatics modelHydrostaticsBelow(const CutModel& model, double lowX, double highX,
                                         const ModelParts& parts, const SectionRules& rules,
                                         double waterline);

}  // namespace norvika::offsets
