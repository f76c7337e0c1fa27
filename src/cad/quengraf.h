// The graphic window as the drawing code calls it: the calls that can fail or talk to the
// user, on top of p.graphic. Everything else the drawing code calls on p.graphic directly
// (line, Arc, Solid, SetColor, SetColorAcad, SetLineStyle, SetTextStyle, ClearViewPort...).
#pragma once

#include <string>

#include "cad/graphic_session.h"

namespace kv40::cad {

// Starts a drawing in the world window; a window without width or height sets p.cancel.
bool Header(GraphicSession& p, Extended xmin, Extended ymin, Extended xmax, Extended ymax);
bool SetWindow(GraphicSession& p, bool iso, bool border, Extended vpLeft, Extended vpBottom,
               Extended vpRight, Extended vpTop, Extended xmin, Extended ymin, Extended xmax,
               Extended ymax);

// Text with its lower left corner at (x, y); a text of 255 characters or more is drawn empty.
void OutTextXY(GraphicSession& p, Extended x, Extended y, const std::string& text);

// Clears the window and shows the program's logo.
void DrawLogo(GraphicSession& p);

void ShowMessage(GraphicSession& p, const std::string& text);

// True when the file can be opened for reading; otherwise the message "<name> nicht
// gefunden !" and p.cancel.
bool CheckFileReadable(GraphicSession& p, const std::string& name);

}  // namespace kv40::cad
