// The table of batch drawing views: j 1..7 are the views of the drawing dispatcher, 8..12 the
// tooth-form views 1..5, 13 the dispatcher's view 9.
#include "cad/drawing_views.h"

#include <algorithm>
#include <array>

#include "cad/tooth_menu.h"

namespace kv40::cad {
namespace {

template <int view>
void ToothForm(GraphicSession& p, CadDevice device) {
  ToothFormView(p, device, view);
}

// The drawing modules put their functions into these rows.
constexpr std::array<DrawingView, 13> kViews{{
    {1, "Ansicht 1", nullptr},
    {2, "Ansicht 2", nullptr},
    {3, "Ansicht 3", nullptr},
    {4, "Ansicht 4", nullptr},
    {5, "Ansicht 5", nullptr},
    {6, "Ansicht 6", nullptr},
    {7, "Datentabelle Welle und Nabe", nullptr},
    {8, "Zahnform Welle", ToothForm<1>},
    {9, "Zahnform Nabe", ToothForm<2>},
    {10, "Zahnform Welle und Nabe", ToothForm<3>},
    {11, "Werkzeug Welle", ToothForm<4>},
    {12, "Werkzeug Nabe", ToothForm<5>},
    {13, "Ansicht 9", nullptr},
}};

}  // namespace

std::span<const DrawingView> DrawingViews() {
  return kViews;
}

const DrawingView* FindDrawingView(int j) {
  const auto it =
      std::find_if(kViews.begin(), kViews.end(), [j](const DrawingView& v) { return v.j == j; });
  return it == kViews.end() ? nullptr : &*it;
}

}  // namespace kv40::cad
