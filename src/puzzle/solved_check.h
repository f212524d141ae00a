// Recognising a solved picture, celebrating it and marking it solved.
#pragma once

// "This picture is already solved - choose another one."
extern const char* const alreadySolvedMessage;

// Counts, for each picture, the cubes showing it upright; plays the sequence
// of a newly completed picture, or shows the message for one already marked;
// redraws the progress strip; ends the press.
void checkSolvedPictures();

// Marks a picture whose sequence has played, at the next press on a cube.
void commitSolvedPicture();

// The glow of picture k's thumbnail and the banner; blocks for 295 frames.
void playSolvedSequence(int k);

// How many cubes show picture k upright on their front face.
int countCubesShowing(int k);
