// The column order of the centre-out copies, shared with their tests.
#pragma once

// The source column visited i-th by a centre-out copy of an image width pixels wide: the
// middle column first, then alternately left and right of it.
int CentreOutColumn(int width, int i);
