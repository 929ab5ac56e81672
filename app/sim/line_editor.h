// Line editing and history at the terminal: libedit fed one keystroke at a time, so the room
// keeps moving while the owner types; the view hides and redraws the line around its output.
#pragma once

#include <histedit.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/sim/line_input.h"

namespace kn::sim {

class LineEditor final : public LineInput {
  public:
    // Both streams are the terminal; the terminal is in libedit's mode until destruction.
    LineEditor(std::FILE* in, std::FILE* out);
    ~LineEditor() override;
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    int fd() const override { return in_fd_; }
    bool Read(std::vector<std::string>& lines) override;

    // `before` and `after` are escape sequences around the prompt's visible text, which is
    // followed by one blank.
    void SetPrompt(std::string_view before, std::string_view text, std::string_view after);
    // Erases the prompt and the line typed so far, leaving the cursor where they began.
    void Hide();
    // Draws them again at the cursor, which must stand at the start of a line.
    void Show();
    // The terminal has a new size.
    void Resized();

  private:
    static unsigned char Submit(EditLine* el, int ch);
    static const char* PromptOf(EditLine* el);
    void TakeSubmitted(std::vector<std::string>& lines);
    void EraseFromRow(std::size_t row);
    std::size_t CursorRow() const;
    std::size_t Width() const;

    std::FILE* out_;
    int in_fd_;
    EditLine* el_ = nullptr;
    History* history_ = nullptr;
    std::string prompt_;
    std::size_t prompt_columns_ = 0;
    bool hidden_ = false;
    std::optional<std::string> submitted_;  // the line Enter finished, until Read takes it
    std::size_t submit_row_ = 0;            // the input's row where Enter was pressed
};

}  // namespace kn::sim
