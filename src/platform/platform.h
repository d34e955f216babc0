#pragma once

#include <array>
#include <exception>
#include <filesystem>
#include <string>

#include "platform/window.h"

namespace norvika {

/// Why a run ended; the values are the exit statuses of the program.
enum class ExitReason {
  Completed = 0,           // both result files written
  InputError = 1,          // an input file is missing or malformed
  CalculationStopped = 2,  // the calculation stopped with one of its messages
  GeometryRejected = 3,    // the user answered that the geometry or waterline is wrong
  WriteFailed = 4,         // a result file could not be written
  InternalFailure = 5,     // out of memory or an unexpected exception; nothing half-written
  StoppedByUser = 6,       // the user stopped the run; nothing of it written, earlier files kept
};

/// Thrown to end a run from any depth; only main and tests catch it.
class ProgramEnd : public std::exception {
 public:
  ProgramEnd(ExitReason reason, std::string message) : reason_(reason), message_(std::move(message)) {}
  ExitReason reason() const { return reason_; }
  /// The text for the user; empty when a message box has already said it.
  const std::string& message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  ExitReason reason_;
  std::string message_;
};

/// The run's only way to the outside: five windows, modal boxes, the end of
/// the run and the directory it runs in.
class Platform {
 public:
  explicit Platform(std::filesystem::path directory);
  virtual ~Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;

  Window& window(WindowId id) { return windows_[static_cast<std::size_t>(id)]; }
  const Window& window(WindowId id) const { return windows_[static_cast<std::size_t>(id)]; }

  /// Modal input box at a screen position in twips; returns the typed text,
  /// empty when cancelled.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText, int xTwips, int yTwips) = 0;
  /// Modal message box; style as the legacy platform decoded it (276: Yes/No,
  /// critical icon, No as default).
  virtual void messageBox(const std::string& text, int style, const std::string& title) = 0;
  /// Ends the run by throwing ProgramEnd, after finishing every window's frame.
  [[noreturn]] void endProgram(ExitReason reason, const std::string& message = {});

  const std::filesystem::path& currentDirectory() const { return directory_; }

  /// Attaches one observer to all five windows.
  void observeWindows(WindowObserver* observer);
  /// Closes the current frame of every window (the run's last pictures).
  void finishAllFrames();

 private:
  std::filesystem::path directory_;
  std::array<Window, kWindowCount> windows_;
};

}  // namespace norvika
