// The colour editor's and the command list's controls in pixels at the scales Windows offers:
// none may cover another (a label reaching into the field below painted over its border).
#include "windows/designs.h"

#include <gtest/gtest.h>

namespace kn::test {
namespace {

bool Overlap(const PixelBox& a, const PixelBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(Designs, NoControlOfTheEditorOrTheListCoversAnother) {
    for (const FormDesign& design : {Form2Design(), Form3Design({"one line"})}) {
        for (int dpi : {96, 120, 144, 192}) {
            const auto& controls = design.controls;
            for (std::size_t i = 0; i < controls.size(); ++i) {
                for (std::size_t j = i + 1; j < controls.size(); ++j) {
                    EXPECT_FALSE(
                        Overlap(ToPixels(controls[i].pos, dpi), ToPixels(controls[j].pos, dpi)))
                        << design.name << " " << controls[i].name << " " << controls[j].name
                        << " at " << dpi;
                }
            }
        }
    }
}

}  // namespace
}  // namespace kn::test
