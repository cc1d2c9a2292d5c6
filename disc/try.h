// lumora-disc try: the maker's images played under Wine as a player's machine plays them,
// with a report of pictures to look through in a browser.
#ifndef ZOR_DISC_TRY_H
#define ZOR_DISC_TRY_H

#include <string>
#include <vector>

namespace disc {

// What one walk saw, from its record walk.txt (see disc/walker/try_walk.cpp): in order, each
// entry a shot (picture and caption), a message box (step, caption, exact text) or a note.
struct Cwalk_entry {
  enum Kind { shot, box, note } kind = note;
  std::string picture;  // shot: the picture's file name in the walk's folder
  std::string step;     // box: the step during which it came
  std::string caption;  // shot: what the player did and saw; box: the box's caption
  std::string text;     // box: its text; note: the note
};

struct Cwalk {
  int dpi = 96;
  std::vector<Cwalk_entry> entries;
  bool ended = false;   // the whole path ran and nothing was left behind
  std::string failure;  // why it stopped; empty when it ended
};

// Reads the lines of walk.txt into walk; a walk without "end" or "fail" stopped early.
void read_walk(const std::string& bytes, Cwalk& walk);

// The report's index.html: the outcome in one line and the time at the top, then a section
// per walk with its pictures (in folder <dpi>dpi beside the page), captions and message boxes.
std::string report_page(const std::vector<Cwalk>& walks, const std::string& outcome, const std::string& took,
                        const std::string& disc_source);

// The command: lumora-disc try OUTPUT [--dpi N]... [--report DIR] [--keep] [--interactive],
// arguments after "try". Exit status 0 passed, 1 a step did not happen as a player expects,
// 2 could not try.
int try_command(int argc, char** argv);

}  // namespace disc

#endif
