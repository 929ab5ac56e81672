// What the owner sees. On a terminal: the face in a panel at the top, the room's lines
// scrolling below it, the input line under the last of them. Elsewhere: plain lines.
#pragma once

#include <cstdio>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/sim/face.h"

namespace kn::sim {

class LineEditor;

class View {
  public:
    virtual ~View() = default;
    // One line, already rendered for this view (see room_line.h).
    virtual void Line(std::string_view text) = 0;
    // Redraws the face when it differs from the one shown.
    virtual void ShowFace(const Face& face) = 0;
    // The input line's prompt; `asking` while the program's handle prompt is open.
    virtual void SetPrompt(std::string_view text, bool asking) = 0;
    virtual void Resized() {}
    virtual bool colour() const = 0;
};

class ScreenView final : public View {
  public:
    // `editor` may be null (input from elsewhere); it must outlive the view.
    ScreenView(std::FILE* out, LineEditor* editor, bool colour);
    ~ScreenView() override;  // leaves the terminal scrolling as a whole again
    ScreenView(const ScreenView&) = delete;
    ScreenView& operator=(const ScreenView&) = delete;

    void Line(std::string_view text) override;
    void ShowFace(const Face& face) override;
    void SetPrompt(std::string_view text, bool asking) override;
    void Resized() override;
    bool colour() const override { return colour_; }

  private:
    void Relayout();
    std::vector<std::string> Panel() const;
    void DrawPanel(const std::vector<std::string>& rows);
    void Write(std::string_view bytes);
    void WriteLine(std::string_view text);
    void HideInput();
    void ShowInput();

    std::FILE* out_;
    LineEditor* editor_;
    bool colour_;
    std::size_t rows_ = 24, cols_ = 80;
    std::size_t panel_rows_ = 0;
    Face face_;
    std::deque<std::string> recent_;  // the last lines, drawn again after a resize
};

class StreamView final : public View {
  public:
    explicit StreamView(std::FILE* out) : out_(out) {}

    void Line(std::string_view text) override;
    void ShowFace(const Face& face) override;
    void SetPrompt(std::string_view, bool) override {}
    bool colour() const override { return false; }

  private:
    std::FILE* out_;
    std::optional<Face> face_;
};

}  // namespace kn::sim
