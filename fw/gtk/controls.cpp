#include "fw/gtk/controls.h"

#include "fw/gtk/resources.h"

namespace {

// The colour of each kind of frame.
const char* FrameClass(DWORD style) {
    switch (style & SS_TYPEMASK) {
    case SS_BLACKFRAME:
        return "qfw-black-frame";
    case SS_GRAYFRAME:
        return "qfw-grey-frame";
    default:
        return "qfw-white-frame";
    }
}

GtkWidget* NewLabel(const MgrWindow& item) {
    GtkWidget* label = gtk_label_new(nullptr);
    const DWORD align = item.style & SS_TYPEMASK;
    gtk_label_set_xalign(GTK_LABEL(label), align == SS_CENTER  ? 0.5f
                                           : align == SS_RIGHT ? 1.0f
                                                               : 0);
    gtk_label_set_yalign(GTK_LABEL(label), (item.style & SS_CENTERIMAGE) ? 0.5f : 0);
    gtk_label_set_justify(GTK_LABEL(label), align == SS_CENTER  ? GTK_JUSTIFY_CENTER
                                            : align == SS_RIGHT ? GTK_JUSTIFY_RIGHT
                                                                : GTK_JUSTIFY_LEFT);
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    gtk_label_set_line_wrap_mode(GTK_LABEL(label), PANGO_WRAP_WORD);
    return label;
}

GtkWidget* NewNumberBox(const MgrWindow& item) {
    GtkWidget* entry = gtk_entry_new();
    gtk_editable_set_editable(GTK_EDITABLE(entry), FALSE);
    gtk_entry_set_width_chars(GTK_ENTRY(entry), 0);
    gtk_entry_set_alignment(GTK_ENTRY(entry), (item.style & ES_CENTER)  ? 0.5f
                                              : (item.style & ES_RIGHT) ? 1.0f
                                                                        : 0);
    return entry;
}

// The icon at the screen's scale, each of its pixels as scale x scale pixels
// of the screen: sharp, where the toolkit would smooth it.
void ShowIconAtScale(GtkWidget* image, GParamSpec*, gpointer data) {
    GdkPixbuf* icon = static_cast<GdkPixbuf*>(data);
    const int scale = gtk_widget_get_scale_factor(image);
    cairo_surface_t* picture = gdk_cairo_surface_create_from_pixbuf(icon, 1, nullptr);
    cairo_surface_t* scaled =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, gdk_pixbuf_get_width(icon) * scale,
                                   gdk_pixbuf_get_height(icon) * scale);
    cairo_surface_set_device_scale(scaled, scale, scale);
    cairo_t* cr = cairo_create(scaled);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_destroy(cr);
    gtk_image_set_from_surface(GTK_IMAGE(image), scaled);
    cairo_surface_destroy(scaled);
    cairo_surface_destroy(picture);
}

GtkWidget* NewIcon(const MgrWindow& item) {
    GtkWidget* image = gtk_image_new();
    const IconImages* icon = IconOf(LoadIconResource(UINT(item.textOrdinal)));
    if (GdkPixbuf* best = icon ? icon->Best(AfxGetSystemMetrics(SM_CXICON)) : nullptr) {
        ShowIconAtScale(image, nullptr, best);
        g_signal_connect(image, "notify::scale-factor", G_CALLBACK(ShowIconAtScale), best);
    }
    return image;
}

GtkWidget* NewFrame(const MgrWindow& item) {
    GtkWidget* frame = gtk_frame_new(nullptr);
    gtk_style_context_add_class(gtk_widget_get_style_context(frame), FrameClass(item.style));
    return frame;
}

GtkWidget* NewGroupBox(const MgrWindow&) {
    GtkWidget* frame = gtk_frame_new(nullptr);
    gtk_frame_set_label_widget(GTK_FRAME(frame), gtk_label_new(nullptr));
    gtk_widget_show(gtk_frame_get_label_widget(GTK_FRAME(frame)));
    gtk_style_context_add_class(gtk_widget_get_style_context(frame), "qfw-group");
    return frame;
}

// The widget of each kind of control; radio buttons are made apart, as
// they join a group.
struct KindWidget {
    ControlKind kind;
    GtkWidget* (*create)(const MgrWindow& item);
};
const KindWidget kKindWidgets[] = {
    {ControlKind::kPushButton, [](const MgrWindow&) { return gtk_button_new_with_label(""); }},
    {ControlKind::kCheckBox, [](const MgrWindow&) { return gtk_check_button_new_with_label(""); }},
    {ControlKind::kGroupBox, NewGroupBox},
    {ControlKind::kLabel, NewLabel},
    {ControlKind::kNumberBox, NewNumberBox},
    {ControlKind::kIcon, NewIcon},
    {ControlKind::kFrame, NewFrame},
};

GtkWidget* NewWidget(ControlKind kind, const MgrWindow& item, GtkRadioButton* groupLeader) {
    if (kind == ControlKind::kRadioButton)
        return gtk_radio_button_new_with_label_from_widget(groupLeader, "");
    for (const KindWidget& k : kKindWidgets)
        if (k.kind == kind)
            return k.create(item);
    return gtk_label_new(nullptr); // any other control: only its text shows
}

bool g_showingCheck = false; // the program sets a box's check: no click of the player's

// A click that reaches the widget itself, as a screen reader's action does
// (mouse and keys in the client area go to the dialog manager instead): a
// click of the player's, through the manager's queue like one with the mouse.
void OnClicked(GtkButton*, gpointer data) {
    const MgrWindow* control = dlgmgr::Find(static_cast<HWND>(data));
    if (g_showingCheck || !control || !control->dialog)
        return;
    // The boxes show the manager's checks until it takes the click.
    for (const MgrWindow* other : control->dialog->controls)
        if (other->view)
            ShowCheck(*other);
    for (dlgmgr::InputKind kind : {dlgmgr::InputKind::Press, dlgmgr::InputKind::Release}) {
        dlgmgr::Input in{kind};
        in.window = control->dialog->hwnd;
        in.control = control->id;
        dlgmgr::QueueInput(in);
    }
}

} // namespace

std::string MnemonicText(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&')
            out += text[++i];
        else if (text[i] == '&')
            out += '_';
        else if (text[i] == '_')
            out += "__";
        else
            out += text[i];
    }
    return out;
}

std::string PlainText(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&')
            out += text[++i];
        else if (text[i] != '&')
            out += text[i];
    }
    return out;
}

GtkWidget* CreateWidget(const MgrWindow& control, GtkRadioButton* groupLeader) {
    GtkWidget* w = NewWidget(control.kind, control, groupLeader);
    // The style sheet gives a text, and a box that holds one beside its
    // mark, the dialog's background.
    if (GtkLabel* label = TextLabelOf(control.kind, w))
        gtk_style_context_add_class(gtk_widget_get_style_context(GTK_WIDGET(label)), "qfw-text");
    if (control.kind == ControlKind::kCheckBox || control.kind == ControlKind::kRadioButton)
        gtk_style_context_add_class(gtk_widget_get_style_context(w), "qfw-text");
    // The dialog manager decides what input does; the widgets only show it.
    gtk_widget_set_can_focus(w, GTK_IS_BUTTON(w) || control.kind == ControlKind::kNumberBox);
    if (GTK_IS_BUTTON(w))
        g_signal_connect(w, "clicked", G_CALLBACK(OnClicked), control.hwnd);
    return w;
}

void ShowCheck(const MgrWindow& control) {
    GtkWidget* w = ControlViewOf(control).widget;
    if (!GTK_IS_TOGGLE_BUTTON(w))
        return;
    // The toolkit tells a change of state as a click.
    g_showingCheck = true;
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w), control.check != 0);
    g_showingCheck = false;
}

void ShowText(const MgrWindow& control) {
    GtkWidget* w = ControlViewOf(control).widget;
    const bool prefix = !(control.kind == ControlKind::kLabel && (control.style & SS_NOPREFIX));
    const std::string shown = prefix ? MnemonicText(control.text) : control.text;
    GtkWidget* label = nullptr;
    if (GTK_IS_BUTTON(w))
        label = gtk_bin_get_child(GTK_BIN(w));
    else if (control.kind == ControlKind::kGroupBox)
        label = gtk_frame_get_label_widget(GTK_FRAME(w));
    else if (control.kind == ControlKind::kLabel || control.kind == ControlKind::kOther)
        label = w;
    if (control.kind == ControlKind::kNumberBox)
        gtk_entry_set_text(GTK_ENTRY(w), control.text.c_str());
    else if (label && prefix)
        gtk_label_set_text_with_mnemonic(GTK_LABEL(label), shown.c_str());
    else if (label)
        gtk_label_set_text(GTK_LABEL(label), shown.c_str());
    if (label && prefix && GTK_IS_BUTTON(w))
        gtk_label_set_mnemonic_widget(GTK_LABEL(label), w);

    if (control.kind == ControlKind::kGroupBox && control.text.empty())
        gtk_frame_set_label_widget(GTK_FRAME(w), nullptr);
    // A number box is known by its number, as the toolkit reports it.
    const std::string name = PlainText(control.text);
    if (!name.empty() && control.kind != ControlKind::kNumberBox)
        atk_object_set_name(gtk_widget_get_accessible(w), name.c_str());
}

GtkLabel* TextLabelOf(ControlKind kind, GtkWidget* w) {
    if (kind == ControlKind::kLabel)
        return GTK_LABEL(w);
    if (kind == ControlKind::kGroupBox) {
        GtkWidget* label = gtk_frame_get_label_widget(GTK_FRAME(w));
        return label ? GTK_LABEL(label) : nullptr;
    }
    if (kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton)
        return GTK_LABEL(gtk_bin_get_child(GTK_BIN(w)));
    return nullptr;
}

void ShowTextBand(const MgrWindow& control, COLORREF color) {
    GtkWidget* w = ControlViewOf(control).widget;
    PangoAttrList* attrs = pango_attr_list_new();
    const guint16 r = guint16((color & 0xFF) * 257), g = guint16((color >> 8 & 0xFF) * 257),
                  b = guint16((color >> 16 & 0xFF) * 257);
    pango_attr_list_insert(attrs, pango_attr_background_new(r, g, b));
    if (control.kind == ControlKind::kNumberBox)
        gtk_entry_set_attributes(GTK_ENTRY(w), attrs);
    else if (GtkLabel* label = TextLabelOf(control.kind, w))
        gtk_label_set_attributes(label, attrs);
    pango_attr_list_unref(attrs);
}
