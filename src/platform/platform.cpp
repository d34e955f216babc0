#include "platform/platform.h"

#include <utility>

#include "platform/pause.h"
#include "words/catalogue.h"

namespace norvika {

Platform::Platform(std::filesystem::path directory)
    : directory_(std::move(directory)),
      windows_{Window(WindowId::Report), Window(WindowId::Graph), Window(WindowId::ShipPosition),
               Window(WindowId::Stability), Window(WindowId::Offsets)} {}

void Platform::closingQuestion(const std::vector<std::filesystem::path>& written) {
  ask(*this, closingPrompt(written), std::string(text(Text::ClosingTitle)), "", kClosingQuestionAt);
}

void Platform::endProgram(ExitReason reason, const std::string& message) {
  finishAllFrames();
  throw ProgramEnd(reason, message);
}

void Platform::observeWindows(WindowObserver* observer) {
  for (Window& w : windows_) w.addObserver(observer);
}

void Platform::observeDialogue(DialogueObserver* observer) {
  dialogueObservers_.push_back(observer);
}

void Platform::forgetDialogueObserver(DialogueObserver* observer) {
  std::erase(dialogueObservers_, observer);
}

void Platform::tellAnswered(const std::string& title, const std::string& prompt,
                            const std::string& answer) {
  for (DialogueObserver* o : dialogueObservers_) o->questionAnswered(title, prompt, answer);
}

void Platform::tellShown(const std::string& title, const std::string& text) {
  for (DialogueObserver* o : dialogueObservers_) o->messageShown(title, text);
}

void Platform::keepDrawings(bool keep) {
  for (Window& w : windows_) w.keepDrawing(keep);
}

void Platform::finishAllFrames() {
  for (Window& w : windows_) w.finishFrame();
}

}  // namespace norvika
