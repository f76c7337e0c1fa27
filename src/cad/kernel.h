// The drawing kernel: every drawing of the program (tooth forms, tool, meshing, production
// drawings, title block) is written once against these calls, in millimetres and degrees
// (counter-clockwise), and goes to the device chosen when the drawing begins: a DXF file, an
// IGES file, the graphic window, the plot program (through a DXF file of its own) or a text
// listing.
//
// A drawing: CadBeginDrawing, CadLimits, CadTables, CadBeginBlocks, any number of
// CadBlock ... CadEndBlock, CadEndSection, CadEntities, entities and CadInserts,
// CadEndSection, CadEndDrawing. Every call does nothing once p.cancel is set; the drawing
// code tests p.cancel after each step. A failure is recorded in the drawing's own messages
// (DrawingState::messages) and cancels the drawing; it never touches the calculation's log.
// CadEndDrawing after a cancel abandons the drawing: no file appears, no plot program starts.
// A number that is not finite cancels the drawing; it never reaches a file.
#pragma once

#include <cstdint>
#include <string>

#include "cad/graphic_session.h"

namespace kv40::cad {

// The devices, numbered as the "CAD-Code" choice and the batch switch "/CADi:j" count them.
enum class CadDevice : std::uint16_t {
  Ask = 0,      // CadBeginDrawing asks with "CAD-Code", preselecting the device used last
  Dxf = 1,      // DXF file, extension "dxf"
  Iges = 2,     // IGES file, extension "igs"
  Screen = 3,   // check output in the graphic window
  Plot = 4,     // the plot program, fed with a DXF file of its own in the temporary folder
  Listing = 5,  // text listing, extension "txt"
};

// ---- the drawing ----
void CadBeginDrawing(GraphicSession& p, CadDevice device);
// Writes the file and closes it (DXF, IGES, listing), repaints the window (screen) or starts
// the plot program; a file is renamed over its target only when complete.
void CadEndDrawing(GraphicSession& p);
void CadOrigin(GraphicSession& p, Extended x, Extended y);
// Drawing limits; DXF header, IGES start and global sections, window header, listing MINMAX;
// on screen and plot the frame (layer 19) and the status text (layer 30).
void CadLimits(GraphicSession& p, Extended xmin, Extended ymin, Extended xmax, Extended ymax);
// DXF devices: the TABLES section in variant n (0, 1 or 2); other devices: nothing.
void CadTables(GraphicSession& p, int n);

// ---- state ----
// Layers 0..31; any number above 31 folds to (n mod 16) + 16.
void CadLayer(GraphicSession& p, int n);
// Screen only: the window's line style.
void CadLineStyle(GraphicSession& p, int n);
// Text height and angle; width factor = configured CAD factor * width / height (0.7 when
// width is 0).
void CadTextStyle(GraphicSession& p, int n, Extended angle, Extended height, Extended width);
// h: 0 left, 1 centre, 2 right; v: 0 base line, 1 middle, 2 top.
void CadTextJustify(GraphicSession& p, int h, int v);
void CadLineSpacing(GraphicSession& p, Extended f);
// Size unit of arrows and dimension texts: f times the configured dimension size factor.
void CadSizeUnit(GraphicSession& p, Extended f);
// 0: the logo blocks are drawn on screen and plot; 2: they are not.
void CadLogoMode(GraphicSession& p, int n);

// ---- entities ----
void CadLine(GraphicSession& p, Extended x1, Extended y1, Extended x2, Extended y2);
void CadCircle(GraphicSession& p, Extended xc, Extended yc, Extended r);
// Arc from a1 to a2 (degrees, counter-clockwise); nothing when r = 0.
void CadArc(GraphicSession& p, Extended xc, Extended yc, Extended a1, Extended a2, Extended r);
// Text at its justified base point; an empty text draws nothing.
void CadText(GraphicSession& p, const std::string& text, Extended x, Extended y);
// CadText at the cursor; the cursor then moves down by height * 1.6 * line spacing.
void CadTextLine(GraphicSession& p, const std::string& text);
// Filled quadrilateral in DXF corner order (the outline runs 1-2-4-3).
void CadSolid(GraphicSession& p, Extended x1, Extended y1, Extended x2, Extended y2, Extended x3,
              Extended y3, Extended x4, Extended y4);
void CadMoveTo(GraphicSession& p, Extended x, Extended y);
void CadLineTo(GraphicSession& p, Extended x, Extended y);
void CadRectangle(GraphicSession& p, Extended x1, Extended y1, Extended x2, Extended y2);
// A polyline; bulgeAngle is the included angle (radians, positive counter-clockwise) of the
// arc from this vertex to the next, 0 for a straight segment. DXF devices with the tooth-form
// option invPolyline get one POLYLINE entity, every other device lines and arcs.
void CadBeginPolyline(GraphicSession& p);
void CadVertex(GraphicSession& p, Extended x, Extended y, Extended bulgeAngle);
void CadEndPolyline(GraphicSession& p);
// Arrowhead with its tip at (x, y); angle points from the tip towards the tail.
void CadArrow(GraphicSession& p, Extended x, Extended y, Extended angle);
// Vertical dimension line from ya to yb at x with its text (upwards) and deviations.
void CadDimension(GraphicSession& p, const std::string& text, const std::string& dev1,
                  const std::string& dev2, Extended ya, Extended yb, Extended x);
// The same with horizontal extension lines from (x1, y1) and (x2, y2) to the line at xd.
void CadDimensionExt(GraphicSession& p, const std::string& text, const std::string& dev1,
                     const std::string& dev2, Extended x1, Extended y1, Extended x2, Extended y2,
                     Extended xd);

// ---- blocks and sections ----
void CadBeginBlocks(GraphicSession& p);
void CadBlock(GraphicSession& p, const std::string& name);
void CadEndBlock(GraphicSession& p);
void CadEndSection(GraphicSession& p);
// Starts the entities; on screen and plot also inserts the user's logo blocks (unless the
// logo mode is 2).
void CadEntities(GraphicSession& p);
void CadInsert(GraphicSession& p, const std::string& name, Extended x, Extended y, Extended angle,
               Extended sx, Extended sy);
// The user's logo block file "$<name>.dx$" of the temporary folder (found in any letter case),
// drawn at (x, y) on the screen and the plot device; other devices draw nothing. False when
// there is no such file or the device takes no logos.
bool CadInsertLogo(GraphicSession& p, const std::string& name, Extended x, Extended y,
                   Extended angle, Extended sx, Extended sy);

}  // namespace kv40::cad
