#pragma once

namespace document {

class frmChild;

/**
 * Makes the document window of @p child larger by the given twips. A maximised or
 * minimised window keeps its size: it has no normal size to grow.
 */
void growDocumentWindow(frmChild *child, int widthTwips, int heightTwips);

} // namespace document
