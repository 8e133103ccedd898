#pragma once

#include <QImage>
#include <QSize>

#include <memory>

class QTextDocument;

// The two help pages, the theory (page 0) and the use of the program with the
// tasks (page 1). Each is typeset from its rich-text source, built into the
// program, onto a picture of a fixed size that the viewer scrolls through.

inline constexpr int HelpPageCount = 2;

QSize HelpPageSize(int page);

// The page's text laid out at the page's width, for measuring it.
std::unique_ptr<QTextDocument> TypesetHelpPage(int page);

// The typeset page on white, 32 bits per pixel, of exactly HelpPageSize().
QImage RenderHelpPage(int page);
