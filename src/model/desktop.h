// The Desktop seam: what the program asks of the desktop around it (printing, starting
// programs, URLs, clipboard, cursor, letting the event loop run during long work).
#pragma once

#include <string>

namespace kv40::model {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Starts program with file as one argument, detached, without waiting.
  virtual bool StartProgram(const std::string& program, const std::string& file) = 0;
  virtual bool OpenUrl(const std::string& url) = 0;
  // Starts program with file like StartProgram, then watches it for a moment: false also when
  // it ends at once with an error (an opener that found no program for the file).
  virtual bool StartProgramChecked(const std::string& program, const std::string& file) {
    return StartProgram(program, file);
  }
  // False when the desktop knows no program for files of this MIME type (an opener would
  // find nothing); true when it knows one, or cannot tell.
  virtual bool HasDefaultProgram(const std::string& mimeType) {
    (void)mimeType;
    return true;
  }
  // Sends a text file to the configured text printer.
  virtual bool PrintTextFile(const std::string& path) = 0;
  // Shows a report text file (UTF-8) in the text window; without a window it is kept.
  virtual void ShowTextWindow(const std::string& path) = 0;
  // Closes the text window when one is open.
  virtual void CloseTextWindow() {}
  virtual void SetClipboardText(const std::string& text) = 0;
  virtual void SetWaitCursor(bool on) = 0;
  // Lets pending window events run during a long loop.
  virtual void ProcessEvents() = 0;
};

}  // namespace kv40::model
