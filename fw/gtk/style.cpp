#include "fw/gtk/style.h"

#include <pango/pangocairo.h>

#include <set>

namespace {

// The platform's dialog units: widgets lose the padding, borders and
// minimum sizes that would make them outgrow their template rectangles, and
// look like the platform's classic controls.
const char kStyleSheet[] = R"css(
.qfw-dialog { background-color: #f5f5f5; color: #000000; }
.qfw-canvas button {
  padding: 0; margin: 0; min-width: 0; min-height: 0; border-radius: 0;
  border: 1px solid; border-color: #ffffff #6a6a6a #6a6a6a #ffffff;
  box-shadow: inset 1px 1px #e3e3e3, inset -1px -1px #a6a6a6;
  background-image: none; background-color: #f5f5f5; color: #000000; text-shadow: none;
  outline-offset: -4px; -gtk-outline-radius: 0;
}
.qfw-canvas button:hover { background-color: #f5f5f5; }
.qfw-canvas button:active {
  border-color: #6a6a6a #ffffff #ffffff #6a6a6a; box-shadow: inset 1px 1px #a6a6a6;
}
.qfw-canvas button:disabled { background-color: #f5f5f5; }
.qfw-canvas button:disabled label { color: #a6a6a6; text-shadow: 1px 1px #ffffff; }
.qfw-canvas button label { padding: 0; margin: 0; min-width: 0; min-height: 0; }
.qfw-canvas .qfw-text { background-color: #f5f5f5; }
.qfw-canvas checkbutton, .qfw-canvas radiobutton {
  padding: 0; margin: 0; min-width: 0; min-height: 0;
}
.qfw-canvas check, .qfw-canvas radio {
  min-width: 11px; min-height: 11px; margin: 0 4px 0 0; padding: 0;
  border: 1px solid; border-color: #a6a6a6 #ffffff #ffffff #a6a6a6;
  box-shadow: inset 1px 1px #6a6a6a, inset -1px -1px #e3e3e3;
  background-image: none; background-color: #ffffff; color: #000000;
}
.qfw-canvas radio { border-radius: 50%; box-shadow: none; border-color: #6a6a6a #ffffff #ffffff #6a6a6a; }
.qfw-canvas check:disabled, .qfw-canvas radio:disabled { background-color: #f5f5f5; color: #a6a6a6; }
.qfw-canvas checkbutton label, .qfw-canvas radiobutton label { padding: 0; margin: 0; }
.qfw-canvas checkbutton:disabled label, .qfw-canvas radiobutton:disabled label {
  color: #a6a6a6; text-shadow: 1px 1px #ffffff;
}
.qfw-canvas entry {
  padding: 0; margin: 0; min-width: 0; min-height: 0; border-radius: 0;
  border: 2px solid; border-color: #a6a6a6 #ffffff #ffffff #a6a6a6;
  background-image: none; background-color: #f5f5f5; color: #000000; box-shadow: none;
}
.qfw-canvas label { padding: 0; margin: 0; min-width: 0; min-height: 0; }
.qfw-canvas frame > border { border-radius: 0; margin: 0; padding: 0; box-shadow: none; }
.qfw-canvas frame.qfw-black-frame > border { border: 1px solid #6a6a6a; }
.qfw-canvas frame.qfw-grey-frame > border { border: 1px solid #a6a6a6; }
.qfw-canvas frame.qfw-white-frame > border { border: 1px solid #ffffff; }
.qfw-canvas frame.qfw-group > border {
  border: 1px solid; border-color: #a6a6a6 #ffffff #ffffff #a6a6a6;
  box-shadow: inset 1px 1px #ffffff, inset -1px -1px #a6a6a6;
}
.qfw-canvas frame.qfw-group > label { margin-left: 6px; }
menubar { padding: 0; min-height: 0; }
menubar > menuitem { padding: 2px 6px; min-height: 0; }
)css";

void Install(const std::string& css) {
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                              GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

// The width of the 52 letters in a face, as Pango sets them.
int LetterWidthOf(const std::string& family, int pixelSize) {
    PangoFontMap* map = pango_cairo_font_map_get_default();
    PangoContext* context = pango_font_map_create_context(map);
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, family.c_str());
    pango_font_description_set_absolute_size(desc, pixelSize * PANGO_SCALE);
    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_font_description(layout, desc);
    pango_layout_set_text(layout, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", -1);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    pango_font_description_free(desc);
    g_object_unref(context);
    return logical.width;
}

} // namespace

DialogFace FaceFor(const DlgTemplate& tpl, const DialogScale& asked) {
    return FaceFor(tpl, asked, LetterWidthOf);
}

std::string FaceClass(const DialogFace& face) {
    static bool installed = false;
    if (!installed) {
        installed = true;
        Install(kStyleSheet);
    }
    std::string name = "qfw-face-" + std::to_string(face.pixelSize) + "-";
    for (char c : face.family)
        name += g_ascii_isalnum(c) ? c : '-';
    static std::set<std::string> defined;
    if (defined.insert(name).second)
        Install("." + name + ", ." + name + " * { font-family: \"" + face.family +
                "\", \"Liberation Sans\", sans-serif; font-size: " +
                std::to_string(face.pixelSize) + "px; font-weight: normal; }");
    return name;
}
