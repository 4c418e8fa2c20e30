#include "fw/gtk/canvas.h"

#include <cmath>

namespace {

struct CanvasChild {
    GtkWidget* widget;
    GdkRectangle rect;
};

struct Canvas {
    GtkFixed parent;
    int width, height; // template pixels
    int scale;         // the screen's pixels a template pixel, as the layers hold them
    cairo_surface_t* under;
    cairo_surface_t* over;
    GList* children; // CanvasChild*
    CanvasExposedFn exposed;
    gpointer exposedData;
};

struct CanvasClass {
    GtkFixedClass parent_class;
};

G_DEFINE_TYPE(Canvas, canvas, GTK_TYPE_FIXED)

// ---- Who asked for a redraw -------------------------------------------------
// Every redraw a widget asks for (a picture shown, a control that changes its
// look, a theme's hover) goes through the toolkit's queue_draw_region class
// method; what the toolkit draws beyond them the window system showed anew
// (an X server's exposures, a window shown or restored, on X11 and Wayland
// alike). Each toplevel keeps the areas asked for and not drawn yet, in its
// window's coordinates.
using QueueDrawRegion = void (*)(GtkWidget*, const cairo_region_t*);
QueueDrawRegion g_toolkitQueueDraw = nullptr;
const char kAskedKey[] = "qfw-asked";

cairo_region_t* AskedOf(GdkWindow* toplevel) {
    auto* asked = static_cast<cairo_region_t*>(g_object_get_data(G_OBJECT(toplevel), kAskedKey));
    if (!asked) {
        asked = cairo_region_create();
        g_object_set_data_full(G_OBJECT(toplevel), kAskedKey, asked,
                               reinterpret_cast<GDestroyNotify>(cairo_region_destroy));
    }
    return asked;
}

// A widget's area is in the coordinates of the window it draws on; one with a
// window of its own under a parent gives it in its parent's window.
void Asked(GtkWidget* widget, const cairo_region_t* region) {
    GdkWindow* window = gtk_widget_get_window(widget);
    if (window && gtk_widget_get_mapped(widget)) {
        if (gtk_widget_get_has_window(widget) && gtk_widget_get_parent(widget))
            window = gdk_window_get_parent(window);
        GdkWindow* toplevel = gdk_window_get_toplevel(window);
        cairo_region_t* shifted = cairo_region_copy(region);
        for (GdkWindow* w = window; w && w != toplevel; w = gdk_window_get_parent(w)) {
            int x = 0, y = 0;
            gdk_window_get_position(w, &x, &y);
            cairo_region_translate(shifted, x, y);
        }
        cairo_region_union(AskedOf(toplevel), shifted);
        cairo_region_destroy(shifted);
    }
    g_toolkitQueueDraw(widget, region);
}

// Widget classes copy their parent's methods when first used: the ones used
// already get the watch too.
void WatchClass(GType type) {
    if (auto* klass = static_cast<GtkWidgetClass*>(g_type_class_peek(type)))
        if (klass->queue_draw_region == g_toolkitQueueDraw)
            klass->queue_draw_region = Asked;
    guint count = 0;
    GType* children = g_type_children(type, &count);
    for (guint i = 0; i < count; ++i)
        WatchClass(children[i]);
    g_free(children);
}

// The part of the area being drawn that no widget asked for; the area is no
// longer waiting.
cairo_region_t* TakeExposed(GtkWidget* canvas, const cairo_region_t* drawing) {
    cairo_region_t* exposed = cairo_region_copy(drawing);
    GdkWindow* window = gtk_widget_get_window(canvas);
    if (!window || !g_toolkitQueueDraw)
        return exposed;
    GdkWindow* toplevel = gdk_window_get_toplevel(window);
    GtkAllocation allocation;
    gtk_widget_get_allocation(canvas, &allocation);
    int x = allocation.x, y = allocation.y;
    for (GdkWindow* w = window; w && w != toplevel; w = gdk_window_get_parent(w)) {
        int dx = 0, dy = 0;
        gdk_window_get_position(w, &dx, &dy);
        x += dx;
        y += dy;
    }
    cairo_region_t* asked = AskedOf(toplevel);
    cairo_region_translate(asked, -x, -y);
    cairo_region_subtract(exposed, asked);
    cairo_region_subtract(asked, drawing);
    cairo_region_translate(asked, x, y);
    return exposed;
}

// ---- The canvas -------------------------------------------------------------

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

// A layer holds each template pixel as scale x scale pixels of the screen;
// it is drawn on in template pixels.
cairo_surface_t* NewLayer(const Canvas* c) {
    cairo_surface_t* layer =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, c->width * c->scale, c->height * c->scale);
    cairo_surface_set_device_scale(layer, c->scale, c->scale);
    return layer;
}

void MakeLayers(Canvas* c, int scale) {
    cairo_surface_destroy(c->under);
    cairo_surface_destroy(c->over);
    c->scale = scale;
    c->under = NewLayer(c);
    c->over = NewLayer(c);
}

// Pixel for pixel: the layers are at the screen's scale already.
void PaintLayer(cairo_t* cr, cairo_surface_t* layer) {
    cairo_save(cr);
    cairo_set_source_surface(cr, layer, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
}

// The area being drawn, in whole template pixels.
cairo_region_t* DrawingRegion(cairo_t* cr) {
    cairo_region_t* region = cairo_region_create();
    cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(cr);
    if (list->status == CAIRO_STATUS_SUCCESS) {
        for (int i = 0; i < list->num_rectangles; ++i) {
            const cairo_rectangle_t& r = list->rectangles[i];
            const int x = int(std::floor(r.x)), y = int(std::floor(r.y));
            const cairo_rectangle_int_t rect = {x, y, int(std::ceil(r.x + r.width)) - x,
                                                int(std::ceil(r.y + r.height)) - y};
            cairo_region_union_rectangle(region, &rect);
        }
    } else {
        double x1, y1, x2, y2;
        cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
        const cairo_rectangle_int_t rect = {int(std::floor(x1)), int(std::floor(y1)),
                                            int(std::ceil(x2)) - int(std::floor(x1)),
                                            int(std::ceil(y2)) - int(std::floor(y1))};
        cairo_region_union_rectangle(region, &rect);
    }
    cairo_rectangle_list_destroy(list);
    return region;
}

// What no widget asked for is newly exposed; on a screen of another scale
// the layers start anew, empty, and the whole client area is.
void ReportExposed(GtkWidget* w, cairo_t* cr) {
    Canvas* c = AsCanvas(w);
    cairo_region_t* drawing = DrawingRegion(cr);
    cairo_region_t* exposed = TakeExposed(w, drawing);
    const int scale = gtk_widget_get_scale_factor(w);
    if (scale != c->scale) {
        MakeLayers(c, scale);
        const cairo_rectangle_int_t whole = {0, 0, c->width, c->height};
        cairo_region_union_rectangle(exposed, &whole);
    }
    const cairo_rectangle_int_t client = {0, 0, c->width, c->height};
    cairo_region_intersect_rectangle(exposed, &client);
    if (!cairo_region_is_empty(exposed) && c->exposed)
        c->exposed(exposed, c->exposedData);
    cairo_region_destroy(exposed);
    cairo_region_destroy(drawing);
}

// Under-layer, the controls, then the over-layer.
gboolean CanvasDrawHandler(GtkWidget* w, cairo_t* cr) {
    ReportExposed(w, cr);
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
    c->scale = 1;
    c->under = c->over = nullptr;
    c->children = nullptr;
    c->exposed = nullptr;
    c->exposedData = nullptr;
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

void CanvasWatchRedraws() {
    if (g_toolkitQueueDraw)
        return;
    auto* base = static_cast<GtkWidgetClass*>(g_type_class_ref(GTK_TYPE_WIDGET));
    g_toolkitQueueDraw = base->queue_draw_region;
    WatchClass(GTK_TYPE_WIDGET);
}

GtkWidget* CanvasNew(int width, int height, CanvasExposedFn exposed, gpointer data) {
    Canvas* c = static_cast<Canvas*>(g_object_new(canvas_get_type(), nullptr));
    c->width = width;
    c->height = height;
    c->exposed = exposed;
    c->exposedData = data;
    // The screen's scale as far as it is known before the window shows.
    MakeLayers(c, gtk_widget_get_scale_factor(GTK_WIDGET(c)));
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
