#pragma once

// Whether any of the three scratch files of the picture record with this id
// (its buffer file and both preview pictures) is still in the temp directory.
bool hasScratchFiles(int id);
