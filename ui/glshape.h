/// @file
/// glshape: a shape's calls to GL, in one place.
///
/// The picture, the stroke font and the paused frame draw through here: a
/// shape is glShapeBegin(GL mode), its colours and vertices, glShapeEnd().
/// Natively each call is GL's own, and GL draws wide lines and dots itself
/// (view.h sets their width).
///
/// The page's GL differs in two ways, both handled here. Its immediate-mode
/// emulation files a colour set inside a shape as one more entry of the
/// vertex stream, so there a colour goes before every vertex that follows it.
/// And WebGL draws every line and dot one device pixel wide, so lines and
/// dots wider than that are built from triangles, the way GL widens them
/// natively: a line is thickened across its shorter axis (up and down when
/// it runs more across than up), a dot is a square.
#pragma once

/// Starts a shape of GL mode `mode` (GL_LINES, GL_TRIANGLES, ...).
void glShapeBegin(unsigned int mode);
/// Sets the colour of the vertices after it, inside a shape or outside one,
/// where it lasts until the next.
void glShapeColour(float red, float green, float blue);
/// One vertex of the shape, in world units.
void glShapeVertex(float x, float y);
/// Ends the shape.
void glShapeEnd();

/// The width lines and dots are drawn at, in window pixels, and the window
/// pixels a world unit. Natively GL is told the width itself (applyView) and
/// this does nothing; in the page, lines and dots of a width above one pixel
/// are built from triangles from here on.
void setShapeLineWidth(int pixels, float pixelsPerUnit);
