#pragma once

class QTextDocument;
struct TRtfDokument;

// Shows a read Rich Text document in a Qt text document as a word processor lays it out:
// indents, tab stops, spacing and line spacing at 96 pixels per inch.
void RtfAnzeigen(const TRtfDokument& rtf, QTextDocument& ziel);
// The width of the page's text area in pixels.
int RtfTextbreite(const TRtfDokument& rtf);
