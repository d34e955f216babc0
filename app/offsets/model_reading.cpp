#include "model_reading.h"

#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <IGESControl_Controller.hxx>
#include <IGESControl_Reader.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <Poly_Triangulation.hxx>
#include <RWObj.hxx>
#include <RWStl.hxx>
#include <STEPControl_Controller.hxx>
#include <STEPControl_Reader.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>
#include <XSControl_Reader.hxx>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

#include "support/file_names.h"
#include "text/text_format.h"

namespace norvika::offsets {

namespace {

constexpr double kShortestShip = 1.0;       // m
constexpr double kLargestShip = 500.0;      // m
constexpr double kFinestDeflection = 2e-6;  // of the model's largest extent
constexpr double kCoarsestDeflection = 1e-2;

Point3 toShip(double mx, double my, double mz, const ModelPlacement& placement) {
  const std::array<double, 3> m = {mx, my, mz};
  const ModelAxes& a = placement.axes;
  return {placement.scale * a.sign[0] * m[static_cast<std::size_t>(a.axis[0])],
          placement.scale * a.sign[1] * m[static_cast<std::size_t>(a.axis[1])],
          placement.scale * a.sign[2] * m[static_cast<std::size_t>(a.axis[2])]};
}

// A mirroring placement (an odd number of reversed axes, or an odd
// permutation) turns every triangle inside out; swapping two corners keeps
// closed models facing outward.
bool placementMirrors(const ModelAxes& axes) {
  int inversions = 0;
  for (int i = 0; i < 3; ++i) {
    for (int j = i + 1; j < 3; ++j) {
      if (axes.axis[static_cast<std::size_t>(i)] > axes.axis[static_cast<std::size_t>(j)]) {
        ++inversions;
      }
    }
  }
  double sign = inversions % 2 == 0 ? 1.0 : -1.0;
  for (const double s : axes.sign) sign *= s;
  return sign < 0.0;
}

void appendTriangulation(const Handle(Poly_Triangulation) & triangulation, const gp_Trsf& place,
                         bool reversed, const ModelPlacement& placement, HullMesh& mesh) {
  const int base = static_cast<int>(mesh.nodes.size());
  for (int i = 1; i <= triangulation->NbNodes(); ++i) {
    const gp_Pnt p = triangulation->Node(i).Transformed(place);
    mesh.nodes.push_back(toShip(p.X(), p.Y(), p.Z(), placement));
  }
  for (int t = 1; t <= triangulation->NbTriangles(); ++t) {
    int n1 = 0, n2 = 0, n3 = 0;
    triangulation->Triangle(t).Get(n1, n2, n3);
    if (reversed) std::swap(n2, n3);
    mesh.triangles.push_back({base + n1 - 1, base + n2 - 1, base + n3 - 1});
  }
}

bool hasNegativeZero(const HullMesh& mesh) {
  return std::any_of(mesh.nodes.begin(), mesh.nodes.end(), [](const Point3& p) {
    return (p.x == 0.0 && std::signbit(p.x)) || (p.y == 0.0 && std::signbit(p.y)) ||
           (p.z == 0.0 && std::signbit(p.z));
  });
}

// The data-exchange readers report on standard output; the summary owns it.
void silenceLibraryMessages() {
  const Handle(Message_Messenger)& messenger = Message::DefaultMessenger();
  messenger->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
}

std::string metresText(double value) {
  if (std::fabs(value) < 1e9) return formatFixed(value, 1, 3);
  const std::string text = numberText(value);
  return text.front() == ' ' ? text.substr(1) : text;
}

MeshBounds shipBoxOf(const TopoDS_Shape& shape, const ModelPlacement& placement) {
  Bnd_Box box;
  BRepBndLib::Add(shape, box, Standard_False);
  if (box.IsVoid()) return {};
  double x0 = 0.0, y0 = 0.0, z0 = 0.0, x1 = 0.0, y1 = 0.0, z1 = 0.0;
  box.Get(x0, y0, z0, x1, y1, z1);
  const Point3 a = toShip(x0, y0, z0, placement), b = toShip(x1, y1, z1, placement);
  MeshBounds ship;
  ship.low = {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)};
  ship.high = {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)};
  return ship;
}

TopoDS_Shape readSurfaceModel(const std::filesystem::path& path, ModelFormat format,
                              const ModelPlacement& placement, const std::string& name) {
  silenceLibraryMessages();
  STEPControl_Controller::Init();
  IGESControl_Controller::Init();
  // Shapes come in metres whatever length unit the file declares.
  Interface_Static::SetCVal("xstep.cascade.unit", "M");
  STEPControl_Reader stepReader;
  IGESControl_Reader igesReader;
  XSControl_Reader& reader =
      format == ModelFormat::Step ? static_cast<XSControl_Reader&>(stepReader) : igesReader;
  if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) {
    throw OffsetsError(name + ": not a readable " + modelFormatName(format) + " file");
  }
  reader.TransferRoots();
  TopoDS_Shape shape = reader.OneShape();
  if (shape.IsNull()) throw OffsetsError(name + ": the file holds no surface or solid");
  checkModelSize(shipBoxOf(shape, placement), format, placement, name);
  const double gapTolerance = placement.deflection / placement.scale;
  if (!TopExp_Explorer(shape, TopAbs_SOLID).More()) {
    // Loose surfaces share no edges, so their triangulations would not meet
    // along the seams; sewn first (gaps up to the deflection closed), they
    // mesh as one skin.
    BRepBuilderAPI_Sewing sewing(std::max(1e-6, gapTolerance));
    sewing.Add(shape);
    sewing.Perform();
    if (!sewing.SewedShape().IsNull()) shape = sewing.SewedShape();
  }
  return shape;
}

HullMesh triangulateSurfaceModel(const std::filesystem::path& path, ModelFormat format,
                                 const ModelPlacement& placement, const std::string& name) {
  // The deflection is asked at ship scale; the mesher works in model metres.
  const double deflection = placement.deflection / placement.scale;
  TopoDS_Shape shape = readSurfaceModel(path, format, placement, name);
  BRepMesh_IncrementalMesh mesher(shape, deflection, Standard_False, 0.5, Standard_True);
  HullMesh mesh;
  const bool mirrors = placementMirrors(placement.axes);
  for (TopExp_Explorer ex(shape, TopAbs_FACE); ex.More(); ex.Next()) {
    const TopoDS_Face& face = TopoDS::Face(ex.Current());
    TopLoc_Location location;
    const Handle(Poly_Triangulation) triangulation = BRep_Tool::Triangulation(face, location);
    if (triangulation.IsNull()) continue;
    const bool reversed = (face.Orientation() == TopAbs_REVERSED) != mirrors;
    appendTriangulation(triangulation, location.Transformation(), reversed, placement, mesh);
  }
  return mesh;
}

// A binary STL is an 80-byte header, a count and 50 bytes a triangle: a
// shorter file is cut short or its count is wrong (read as it stands, the
// first gives an open mesh, the second runs out of memory). Exporters pad
// some files after the last triangle; those bytes are no triangle.
void checkBinaryStl(const std::filesystem::path& path, const std::string& name,
                    std::vector<std::string>& warnings) {
  std::ifstream in(path, std::ios::binary);
  std::string head(1024, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  const std::size_t text = head.find_first_not_of(" \t\r\n");
  if (text != std::string::npos && head.compare(text, 5, "solid") == 0 &&
      (head.find("facet") != std::string::npos || head.find("endsolid") != std::string::npos)) {
    return;  // ASCII
  }
  const std::uintmax_t size = std::filesystem::file_size(path);
  if (size < 84) {
    throw OffsetsError(name + ": not a readable STL file (" + std::to_string(size) +
                       " bytes, shorter than the 84 bytes of a binary STL's header and count)");
  }
  std::uint32_t count = 0;
  for (int i = 3; i >= 0; --i) count = count << 8 | static_cast<unsigned char>(head[80 + i]);
  const std::uintmax_t expected = 84 + 50 * static_cast<std::uintmax_t>(count);
  if (size > expected) {
    warnings.push_back(name + ": " + std::to_string(size - expected) + " bytes after the last of " +
                       std::to_string(count) + " triangles (a binary STL of " +
                       std::to_string(expected) + " bytes) are left unread");
    return;
  }
  if (size != expected) {
    throw OffsetsError(name + ": a binary STL whose header gives " + std::to_string(count) +
                       " triangles (" + std::to_string(expected) + " bytes), but the file has " +
                       std::to_string(size) + " bytes: cut short, or its triangle count is wrong");
  }
}

void checkFinite(const HullMesh& mesh, const std::string& name) {
  for (const Point3& p : mesh.nodes) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
      throw OffsetsError(name + ": a point of the model is not a finite number (" +
                         numberText(p.x) + "," + numberText(p.y) + "," + numberText(p.z) + ")");
    }
  }
}

HullMesh readMeshModel(const std::filesystem::path& path, ModelFormat format,
                       const ModelPlacement& placement, const std::string& name,
                       std::vector<std::string>& warnings) {
  silenceLibraryMessages();
  if (format == ModelFormat::Stl) checkBinaryStl(path, name, warnings);
  const Handle(Poly_Triangulation) triangulation =
      format == ModelFormat::Stl ? RWStl::ReadFile(path.c_str()) : RWObj::ReadFile(path.c_str());
  if (triangulation.IsNull()) {
    throw OffsetsError(name + ": not a readable " + modelFormatName(format) + " file");
  }
  HullMesh mesh;
  appendTriangulation(triangulation, gp_Trsf(), placementMirrors(placement.axes), placement, mesh);
  return mesh;
}

}  // namespace

std::optional<ModelFormat> modelFormatOf(const std::filesystem::path& path) {
  const std::string ext = asciiLowerCase(path.extension().string());
  if (ext == ".step" || ext == ".stp") return ModelFormat::Step;
  if (ext == ".iges" || ext == ".igs") return ModelFormat::Iges;
  if (ext == ".stl") return ModelFormat::Stl;
  if (ext == ".obj") return ModelFormat::Obj;
  return std::nullopt;
}

const char* modelFormatName(ModelFormat format) {
  switch (format) {
    case ModelFormat::Step:
      return "STEP";
    case ModelFormat::Iges:
      return "IGES";
    case ModelFormat::Stl:
      return "STL";
    case ModelFormat::Obj:
      return "OBJ";
  }
  return "";
}

ModelAxes parseModelAxes(const std::string& text) {
  ModelAxes axes;
  int count = 0;
  bool used[3] = {false, false, false};
  double sign = 1.0;
  for (const char c : text) {
    if (c == '-' && sign > 0.0) {
      sign = -1.0;
      continue;
    }
    const char lower = asciiLowerCase(std::string(1, c)).front();
    if (lower < 'x' || lower > 'z' || count == 3 || used[lower - 'x']) {
      count = -1;
      break;
    }
    used[lower - 'x'] = true;
    axes.axis[static_cast<std::size_t>(count)] = lower - 'x';
    axes.sign[static_cast<std::size_t>(count)] = sign;
    sign = 1.0;
    ++count;
  }
  if (count != 3 || sign < 0.0) {
    throw OffsetsError(
        "--axes: expected the model axes of length, breadth and height as three of "
        "x, y, z, each may have a leading '-' (e.g. xyz, -xzy), got '" +
        text + "'");
  }
  return axes;
}

// A ship is measured in metres, not in kilometres or in millimetres: a
// model in millimetres read as metres (or --scale 1000 typed for 0.001) makes
// a ship 142 km long, and a stray point far off the hull makes one huge.
void checkModelSize(const MeshBounds& ship, ModelFormat format, const ModelPlacement& placement,
                    const std::string& name) {
  const double length = ship.high.x - ship.low.x;
  const double breadth = ship.high.y - ship.low.y;
  const double height = ship.high.z - ship.low.z;
  const bool shipSized = length >= kShortestShip && length <= kLargestShip &&
                         breadth <= kLargestShip && height <= kLargestShip;
  if (!placement.force && !shipSized) {
    throw OffsetsError(name + ": at --scale " + numberText(placement.scale).substr(1) +
                       " the model measures " + metresText(length) + " x " + metresText(breadth) +
                       " x " + metresText(height) +
                       " m (length, breadth, height); a ship from 1 m to 500 m was expected: "
                       "check --scale and --axes, or give --force");
  }
  if (!shipSized && format != ModelFormat::Step && format != ModelFormat::Iges) return;
  // The triangle count grows as the deflection shrinks: below this floor a
  // large hull takes minutes and gigabytes, and then the mesher fails; a
  // mesh's deflection sets the cut's tolerances, which beyond the ceiling
  // would swallow the hull's shape.
  const double largest = std::max({length, breadth, height});
  const double finest = kFinestDeflection * largest, coarsest = kCoarsestDeflection * largest;
  if (placement.deflection < finest) {
    throw OffsetsError("--deflection: " + numberText(placement.deflection).substr(1) +
                       " m is finer than this model allows; the smallest is " +
                       formatFixed(finest, 1, 6) + " m (2e-6 of its largest extent, " +
                       metresText(largest) + " m)");
  }
  if (placement.deflection > coarsest) {
    throw OffsetsError("--deflection: " + numberText(placement.deflection).substr(1) +
                       " m is coarser than this model allows; the largest is " +
                       formatFixed(coarsest, 1, 6) + " m (1 % of its largest extent, " +
                       metresText(largest) + " m)");
  }
}

HullMesh readHullModel(const std::filesystem::path& path, ModelFormat format,
                       const ModelPlacement& placement, std::vector<std::string>& warnings) {
  const std::string name = path.string();
  {
    std::ifstream probe(path, std::ios::binary);
    if (!probe || std::filesystem::is_directory(path)) {
      throw OffsetsError(name + ": cannot open the model file");
    }
    if (probe.peek() == std::ifstream::traits_type::eof()) {
      throw OffsetsError(name + ": the model file is empty");
    }
  }
  HullMesh mesh;
  try {
    mesh = format == ModelFormat::Stl || format == ModelFormat::Obj
               ? readMeshModel(path, format, placement, name, warnings)
               : triangulateSurfaceModel(path, format, placement, name);
  } catch (const Standard_Failure& failure) {
    throw OffsetsError(name + ": not a readable " + modelFormatName(format) + " file (" +
                       failure.GetMessageString() + ")");
  }
  // The STL reader has merged equal nodes and dropped the triangles that
  // collapsed, all but a -0 beside a 0; a second weld only repeats that work.
  if (format != ModelFormat::Stl || hasNegativeZero(mesh)) weldNodes(mesh);
  if (mesh.triangles.empty()) {
    throw OffsetsError(name + ": the " + modelFormatName(format) + " file holds no triangles");
  }
  checkFinite(mesh, name);
  return mesh;
}

}  // namespace norvika::offsets
