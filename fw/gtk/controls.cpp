#include "fw/gtk/controls.h"

#include "fw/gtk/resources.h"

namespace {

// Button and static styles of the templates.
constexpr uint32_t kButtonTypeMask = 0x0F;
constexpr uint32_t kStaticTypeMask = 0x1F;
constexpr uint32_t kSsCenter = 0x01, kSsRight = 0x02;
constexpr uint32_t kSsCenterImage = 0x200, kSsNoPrefix = 0x80;
constexpr uint32_t kEsAlignMask = 0x03, kEsCenter = 0x01, kEsRight = 0x02;

struct ButtonType {
    uint32_t style;
    ControlKind kind;
};
const ButtonType kButtonTypes[] = {
    {0x0, ControlKind::kPushButton},  {0x1, ControlKind::kPushButton},
    {0x2, ControlKind::kCheckBox},    {0x3, ControlKind::kCheckBox},
    {0x4, ControlKind::kRadioButton}, {0x5, ControlKind::kCheckBox},
    {0x6, ControlKind::kCheckBox},    {0x7, ControlKind::kGroupBox},
    {0x9, ControlKind::kRadioButton},
};

struct StaticType {
    uint32_t style;
    ControlKind kind;
    const char* cssClass; // frames: their colour
};
const StaticType kStaticTypes[] = {
    {0x0, ControlKind::kLabel, nullptr},           {0x1, ControlKind::kLabel, nullptr},
    {0x2, ControlKind::kLabel, nullptr},           {0x3, ControlKind::kIcon, nullptr},
    {0x7, ControlKind::kFrame, "qfw-black-frame"}, {0x8, ControlKind::kFrame, "qfw-grey-frame"},
    {0x9, ControlKind::kFrame, "qfw-white-frame"}, {0xB, ControlKind::kLabel, nullptr},
    {0xC, ControlKind::kLabel, nullptr},
};

const StaticType* StaticTypeOf(uint32_t style) {
    for (const StaticType& t : kStaticTypes)
        if (t.style == (style & kStaticTypeMask))
            return &t;
    return nullptr;
}

void OnClicked(GtkButton*, gpointer data) {
    Control* control = static_cast<Control*>(data);
    if (control->settingCheck)
        return;
    SendCommand(control->run, control->id);
}

GtkWidget* NewLabel(const DlgItemTemplate& item) {
    GtkWidget* label = gtk_label_new(nullptr);
    const uint32_t align = item.style & kStaticTypeMask;
    gtk_label_set_xalign(GTK_LABEL(label), align == kSsCenter  ? 0.5f
                                           : align == kSsRight ? 1.0f
                                                               : 0);
    gtk_label_set_yalign(GTK_LABEL(label), (item.style & kSsCenterImage) ? 0.5f : 0);
    gtk_label_set_justify(GTK_LABEL(label), align == kSsCenter  ? GTK_JUSTIFY_CENTER
                                            : align == kSsRight ? GTK_JUSTIFY_RIGHT
                                                                : GTK_JUSTIFY_LEFT);
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    gtk_label_set_line_wrap_mode(GTK_LABEL(label), PANGO_WRAP_WORD);
    return label;
}

GtkWidget* NewNumberBox(const DlgItemTemplate& item) {
    GtkWidget* entry = gtk_entry_new();
    gtk_editable_set_editable(GTK_EDITABLE(entry), FALSE);
    gtk_entry_set_width_chars(GTK_ENTRY(entry), 0);
    const uint32_t align = item.style & kEsAlignMask;
    gtk_entry_set_alignment(GTK_ENTRY(entry), align == kEsCenter  ? 0.5f
                                              : align == kEsRight ? 1.0f
                                                                  : 0);
    return entry;
}

GtkWidget* NewIcon(const DlgItemTemplate& item) {
    GtkWidget* image = gtk_image_new();
    if (const IconImages* icon = IconOf(LoadIconResource(UINT(item.textOrdinal))))
        gtk_image_set_from_pixbuf(GTK_IMAGE(image), icon->Best(AfxGetSystemMetrics(SM_CXICON)));
    return image;
}

GtkWidget* NewFrame(const DlgItemTemplate& item) {
    GtkWidget* frame = gtk_frame_new(nullptr);
    if (const StaticType* type = StaticTypeOf(item.style))
        gtk_style_context_add_class(gtk_widget_get_style_context(frame), type->cssClass);
    return frame;
}

GtkWidget* NewGroupBox(const DlgItemTemplate&) {
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
    GtkWidget* (*create)(const DlgItemTemplate& item);
};
const KindWidget kKindWidgets[] = {
    {ControlKind::kPushButton,
     [](const DlgItemTemplate&) { return gtk_button_new_with_label(""); }},
    {ControlKind::kCheckBox,
     [](const DlgItemTemplate&) { return gtk_check_button_new_with_label(""); }},
    {ControlKind::kGroupBox, NewGroupBox},
    {ControlKind::kLabel, NewLabel},
    {ControlKind::kNumberBox, NewNumberBox},
    {ControlKind::kIcon, NewIcon},
    {ControlKind::kFrame, NewFrame},
};

GtkWidget* NewWidget(ControlKind kind, const DlgItemTemplate& item, GtkRadioButton* groupLeader) {
    if (kind == ControlKind::kRadioButton)
        return gtk_radio_button_new_with_label_from_widget(groupLeader, "");
    for (const KindWidget& k : kKindWidgets)
        if (k.kind == kind)
            return k.create(item);
    return gtk_label_new(nullptr); // any other control: only its text shows
}

} // namespace

ControlKind KindOf(const DlgItemTemplate& item) {
    if (item.className == "button") {
        for (const ButtonType& t : kButtonTypes)
            if (t.style == (item.style & kButtonTypeMask))
                return t.kind;
    } else if (item.className == "edit") {
        return ControlKind::kNumberBox;
    } else if (item.className == "static") {
        if (const StaticType* t = StaticTypeOf(item.style))
            return t->kind;
    }
    return ControlKind::kOther;
}

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

void CreateWidget(Control& control, const DlgItemTemplate& item, GtkRadioButton* groupLeader) {
    control.kind = KindOf(item);
    GtkWidget* w = NewWidget(control.kind, item, groupLeader);
    control.widget = w;
    // The style sheet gives a text, and a box that holds one beside its
    // mark, the dialog's background.
    if (GtkLabel* label = TextLabelOf(control))
        gtk_style_context_add_class(gtk_widget_get_style_context(GTK_WIDGET(label)), "qfw-text");
    if (control.kind == ControlKind::kCheckBox || control.kind == ControlKind::kRadioButton)
        gtk_style_context_add_class(gtk_widget_get_style_context(w), "qfw-text");
    if (GTK_IS_BUTTON(w))
        g_signal_connect(w, "clicked", G_CALLBACK(OnClicked), &control);
    // Buttons and boxes take the focus from a click or the keyboard; the
    // tab order holds only those with a tab stop (see the dialog).
    gtk_widget_set_can_focus(w, GTK_IS_BUTTON(w) || control.kind == ControlKind::kNumberBox);
    ShowText(control);
}

void ShowText(Control& control) {
    GtkWidget* w = control.widget;
    const bool prefix = !(control.kind == ControlKind::kLabel && (control.style & kSsNoPrefix));
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

GtkLabel* TextLabelOf(Control& control) {
    GtkWidget* w = control.widget;
    if (control.kind == ControlKind::kLabel)
        return GTK_LABEL(w);
    if (control.kind == ControlKind::kGroupBox) {
        GtkWidget* label = gtk_frame_get_label_widget(GTK_FRAME(w));
        return label ? GTK_LABEL(label) : nullptr;
    }
    if (control.kind == ControlKind::kCheckBox || control.kind == ControlKind::kRadioButton)
        return GTK_LABEL(gtk_bin_get_child(GTK_BIN(w)));
    return nullptr;
}

void ShowTextBand(Control& control, COLORREF color) {
    PangoAttrList* attrs = pango_attr_list_new();
    const guint16 r = guint16((color & 0xFF) * 257), g = guint16((color >> 8 & 0xFF) * 257),
                  b = guint16((color >> 16 & 0xFF) * 257);
    pango_attr_list_insert(attrs, pango_attr_background_new(r, g, b));
    if (control.kind == ControlKind::kNumberBox)
        gtk_entry_set_attributes(GTK_ENTRY(control.widget), attrs);
    else if (GtkLabel* label = TextLabelOf(control))
        gtk_label_set_attributes(label, attrs);
    pango_attr_list_unref(attrs);
}
