#include "fw/gtk/canvas.h"

namespace {

struct CanvasChild {
    GtkWidget* widget;
    GdkRectangle rect;
};

struct Canvas {
    GtkFixed parent;
    int width, height;
    cairo_surface_t* under;
    cairo_surface_t* over;
    GList* children; // CanvasChild*
};

struct CanvasClass {
    GtkFixedClass parent_class;
};

G_DEFINE_TYPE(Canvas, canvas, GTK_TYPE_FIXED)

Canvas* AsCanvas(GtkWidget* w) {
    return G_TYPE_CHECK_INSTANCE_CAST(w, canvas_get_type(), Canvas);
}

void CanvasFinalize(GObject* object) {
    Canvas* c = G_TYPE_CHECK_INSTANCE_CAST(object, canvas_get_type(), Canvas);
    cairo_surface_destroy(c->under);
    cairo_surface_destroy(c->over);
    g_list_free_full(c->children, g_free);
    G_OBJECT_CLASS(canvas_parent_class)->finalize(object);
}

void CanvasPreferredWidth(GtkWidget* w, gint* minimum, gint* natural) {
    *minimum = *natural = AsCanvas(w)->width;
}

void CanvasPreferredHeight(GtkWidget* w, gint* minimum, gint* natural) {
    *minimum = *natural = AsCanvas(w)->height;
}

// Every child gets its template rectangle, never the size its theme asks for.
void CanvasSizeAllocate(GtkWidget* w, GtkAllocation* allocation) {
    gtk_widget_set_allocation(w, allocation);
    for (GList* l = AsCanvas(w)->children; l; l = l->next) {
        CanvasChild* child = static_cast<CanvasChild*>(l->data);
        if (!gtk_widget_get_visible(child->widget))
            continue;
        GtkRequisition ignored;
        gtk_widget_get_preferred_size(child->widget, &ignored, nullptr);
        GtkAllocation a = {allocation->x + child->rect.x, allocation->y + child->rect.y,
                           child->rect.width, child->rect.height};
        gtk_widget_size_allocate(child->widget, &a);
    }
}

cairo_surface_t* LayerOf(Canvas* c, CanvasLayer layer) {
    return layer == CanvasLayer::kUnder ? c->under : c->over;
}

void PaintLayer(cairo_t* cr, cairo_surface_t* layer) {
    cairo_save(cr);
    cairo_set_source_surface(cr, layer, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}

// Under-layer, the controls, then the over-layer.
gboolean CanvasDrawHandler(GtkWidget* w, cairo_t* cr) {
    Canvas* c = AsCanvas(w);
    PaintLayer(cr, c->under);
    GTK_WIDGET_CLASS(canvas_parent_class)->draw(w, cr);
    PaintLayer(cr, c->over);
    return FALSE;
}

void CanvasRemove(GtkContainer* container, GtkWidget* widget) {
    Canvas* c = AsCanvas(GTK_WIDGET(container));
    for (GList* l = c->children; l; l = l->next) {
        CanvasChild* child = static_cast<CanvasChild*>(l->data);
        if (child->widget == widget) {
            c->children = g_list_delete_link(c->children, l);
            g_free(child);
            break;
        }
    }
    GTK_CONTAINER_CLASS(canvas_parent_class)->remove(container, widget);
}

void canvas_class_init(CanvasClass* klass) {
    G_OBJECT_CLASS(klass)->finalize = CanvasFinalize;
    GtkWidgetClass* widget = GTK_WIDGET_CLASS(klass);
    widget->get_preferred_width = CanvasPreferredWidth;
    widget->get_preferred_height = CanvasPreferredHeight;
    widget->size_allocate = CanvasSizeAllocate;
    widget->draw = CanvasDrawHandler;
    GTK_CONTAINER_CLASS(klass)->remove = CanvasRemove;
}

void canvas_init(Canvas* c) {
    c->width = c->height = 0;
    c->under = c->over = nullptr;
    c->children = nullptr;
}

// The toolkit takes the area of a widget without a window of its own in the
// coordinates of the window it draws on.
void QueueRedraw(GtkWidget* canvas, const cairo_region_t* area) {
    GtkAllocation allocation;
    gtk_widget_get_allocation(canvas, &allocation);
    cairo_region_t* shifted = cairo_region_copy(area);
    cairo_region_translate(shifted, allocation.x, allocation.y);
    gtk_widget_queue_draw_region(canvas, shifted);
    cairo_region_destroy(shifted);
}

// A region of one rectangle, for the length of a call.
struct RectRegion {
    explicit RectRegion(const GdkRectangle& rect) : area(cairo_region_create_rectangle(&rect)) {}
    ~RectRegion() { cairo_region_destroy(area); }
    RectRegion(const RectRegion&) = delete;
    RectRegion& operator=(const RectRegion&) = delete;
    cairo_region_t* area;
};

void ClearIn(cairo_surface_t* surface, const cairo_region_t* area) {
    cairo_t* cr = cairo_create(surface);
    gdk_cairo_region(cr, area);
    cairo_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_destroy(cr);
}

} // namespace

GtkWidget* CanvasNew(int width, int height) {
    Canvas* c = static_cast<Canvas*>(g_object_new(canvas_get_type(), nullptr));
    c->width = width;
    c->height = height;
    c->under = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    c->over = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    return GTK_WIDGET(c);
}

void CanvasPut(GtkWidget* canvas, GtkWidget* child, const GdkRectangle& rect) {
    CanvasChild* entry = g_new(CanvasChild, 1);
    entry->widget = child;
    entry->rect = rect;
    Canvas* c = AsCanvas(canvas);
    c->children = g_list_append(c->children, entry);
    gtk_widget_set_size_request(child, rect.width, rect.height);
    gtk_fixed_put(GTK_FIXED(canvas), child, rect.x, rect.y);
}

cairo_t* CanvasDraw(GtkWidget* canvas, CanvasLayer layer) {
    return cairo_create(LayerOf(AsCanvas(canvas), layer));
}

void CanvasRedrawRect(GtkWidget* canvas, const GdkRectangle& rect) {
    QueueRedraw(canvas, RectRegion(rect).area);
}

void CanvasClear(GtkWidget* canvas, CanvasLayer layer, const cairo_region_t* area) {
    ClearIn(LayerOf(AsCanvas(canvas), layer), area);
    QueueRedraw(canvas, area);
}

void CanvasUncoverRect(GtkWidget* canvas, const GdkRectangle& rect) {
    CanvasClear(canvas, CanvasLayer::kOver, RectRegion(rect).area);
}
