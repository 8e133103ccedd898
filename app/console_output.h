#pragma once

// Lets help and messages written to standard output and error reach the
// console the program was started from, in UTF-8. A Windows program with a
// window has no console of its own, so there it borrows its parent's; where
// the output is redirected to a file or a pipe it stays there.
void UseParentConsole();
