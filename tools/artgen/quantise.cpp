#include "quantise.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <unordered_map>

namespace artgen {

Rgb Mix(Rgb from, Rgb to, double t) {
    auto channel = [t](int a, int b) { return uint8_t(std::lround(a + (b - a) * t)); };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

std::vector<Rgb> Ramp(Rgb from, Rgb to, int steps) {
    std::vector<Rgb> ramp;
    for (int i = 0; i < steps; ++i)
        ramp.push_back(steps == 1 ? from : Mix(from, to, double(i) / (steps - 1)));
    return ramp;
}

namespace {

struct Entry {
    uint32_t colour; // packed RGB
    uint32_t count;
};

int Channel(uint32_t packed, int c) {
    return int((packed >> (16 - 8 * c)) & 0xFF);
}

// One median-cut box: a range of the entry array.
struct Box {
    size_t begin, end;
    uint64_t weight;
    int widestChannel;
    int range;
};

Box MakeBox(const std::vector<Entry>& entries, size_t begin, size_t end) {
    Box box{begin, end, 0, 0, -1};
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    for (size_t i = begin; i < end; ++i) {
        box.weight += entries[i].count;
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], Channel(entries[i].colour, c));
            hi[c] = std::max(hi[c], Channel(entries[i].colour, c));
        }
    }
    for (int c = 0; c < 3; ++c)
        if (hi[c] - lo[c] > box.range) {
            box.range = hi[c] - lo[c];
            box.widestChannel = c;
        }
    return box;
}

std::vector<Rgb> MedianCut(std::vector<Entry> entries, size_t colours) {
    std::vector<Box> boxes{MakeBox(entries, 0, entries.size())};
    while (boxes.size() < colours) {
        // Split the box with the most spread, weighted by its pixel count
        // (ties: the earliest box), so big smooth areas and wide ranges both
        // get colours.
        size_t pick = boxes.size();
        double best = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            const double score = double(boxes[i].range) * std::sqrt(double(boxes[i].weight));
            if (pick == boxes.size() || score > best) {
                best = score;
                pick = i;
            }
        }
        if (pick == boxes.size())
            break; // every box holds a single colour
        const Box box = boxes[pick];
        const int c = box.widestChannel;
        std::sort(entries.begin() + long(box.begin), entries.begin() + long(box.end),
                  [c](const Entry& a, const Entry& b) {
                      const int ka = Channel(a.colour, c), kb = Channel(b.colour, c);
                      return ka != kb ? ka < kb : a.colour < b.colour;
                  });
        uint64_t running = 0;
        size_t split = box.begin + 1;
        for (size_t i = box.begin; i < box.end - 1; ++i) {
            running += entries[i].count;
            split = i + 1;
            if (running * 2 >= box.weight)
                break;
        }
        boxes[pick] = MakeBox(entries, box.begin, split);
        boxes.push_back(MakeBox(entries, split, box.end));
    }
    std::vector<Rgb> palette;
    for (const Box& box : boxes) {
        uint64_t sum[3] = {0, 0, 0};
        for (size_t i = box.begin; i < box.end; ++i)
            for (int c = 0; c < 3; ++c)
                sum[c] += uint64_t(Channel(entries[i].colour, c)) * entries[i].count;
        auto mean = [&](int c) { return uint8_t((sum[c] + box.weight / 2) / box.weight); };
        palette.push_back({mean(0), mean(1), mean(2)});
    }
    return palette;
}

uint8_t Nearest(const std::vector<Rgb>& palette, Rgb c) {
    uint8_t best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        // Weighted distance: the eye is most sensitive to green, least to blue.
        const long dr = long(c.r) - palette[i].r, dg = long(c.g) - palette[i].g,
                   db = long(c.b) - palette[i].b;
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = uint8_t(i);
        }
    }
    return best;
}

} // namespace

IndexedImage Quantise(const RgbImage& picture, int maxColours, int bitsPerPixel,
                      const std::vector<Rgb>& reserved) {
    if (maxColours < 1 || maxColours > 256 || maxColours > (1 << bitsPerPixel))
        throw std::runtime_error("quantise: impossible colour limit");
    if (int(reserved.size()) > maxColours)
        throw std::runtime_error("quantise: more reserved colours than palette entries");

    std::unordered_map<uint32_t, uint8_t> reservedIndex;
    for (size_t i = 0; i < reserved.size(); ++i)
        reservedIndex.emplace(Pack(reserved[i]), uint8_t(i));

    std::map<uint32_t, uint32_t> histogram; // ordered: deterministic
    for (Rgb c : picture.pixels)
        if (!reservedIndex.count(Pack(c)))
            ++histogram[Pack(c)];

    std::vector<Rgb> palette = reserved;
    const size_t room = size_t(maxColours) - reserved.size();
    if (histogram.size() <= room) {
        for (const auto& [colour, count] : histogram)
            palette.push_back(Unpack(colour));
    } else {
        if (room == 0)
            throw std::runtime_error("quantise: no room left beside the reserved colours");
        std::vector<Entry> entries;
        for (const auto& [colour, count] : histogram)
            entries.push_back({colour, count});
        for (Rgb c : MedianCut(std::move(entries), room))
            palette.push_back(c);
    }

    IndexedImage out(picture.width, picture.height, bitsPerPixel);
    out.palette = palette;
    std::unordered_map<uint32_t, uint8_t> cache = reservedIndex;
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const uint32_t key = Pack(picture.pixels[i]);
        auto it = cache.find(key);
        if (it == cache.end())
            it = cache.emplace(key, Nearest(palette, picture.pixels[i])).first;
        out.pixels[i] = it->second;
    }
    CheckIndexedImage(out, "quantised picture");
    return out;
}

} // namespace artgen
