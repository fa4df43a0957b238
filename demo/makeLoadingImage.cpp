// Draws the demo's loading image, a double helix of dots on a transparent background, and
// writes it with the engine's image writer. Generated at build time so no binary picture
// lives in the repository.
#include <irrlicht.h>

#include <cmath>
#include <cstdio>

using namespace irr;

namespace
{

const u32 IMAGE_WIDTH = 256;
const u32 IMAGE_HEIGHT = 128;
const u32 DOTS_PER_STRAND = 22;
const f32 HELIX_RADIUS = 34.f;
const f32 TURNS = 1.75f;
const f32 MARGIN = 20.f;

//! Porter-Duff "over" of a colour with the given coverage onto the pixel.
void blendPixel(video::IImage* image, s32 x, s32 y, video::SColor colour, f32 coverage)
{
	if (x < 0 || y < 0 || x >= s32(IMAGE_WIDTH) || y >= s32(IMAGE_HEIGHT) || coverage <= 0.f)
		return;
	const video::SColor below = image->getPixel(u32(x), u32(y));
	const f32 top = colour.getAlpha() / 255.f * core::min_(coverage, 1.f);
	const f32 under = below.getAlpha() / 255.f * (1.f - top);
	const f32 alpha = top + under;
	if (alpha <= 0.f)
		return;
	const f32 r = (colour.getRed() * top + below.getRed() * under) / alpha;
	const f32 g = (colour.getGreen() * top + below.getGreen() * under) / alpha;
	const f32 b = (colour.getBlue() * top + below.getBlue() * under) / alpha;
	image->setPixel(u32(x), u32(y), video::SColor(u32(alpha * 255.f + 0.5f), u32(r + 0.5f), u32(g + 0.5f), u32(b + 0.5f)));
}

//! A disc with a one-pixel soft edge, so the dots do not look jagged.
void drawDot(video::IImage* image, f32 cx, f32 cy, f32 radius, video::SColor colour)
{
	const s32 left = s32(std::floor(cx - radius - 1.f));
	const s32 right = s32(std::ceil(cx + radius + 1.f));
	const s32 topRow = s32(std::floor(cy - radius - 1.f));
	const s32 bottomRow = s32(std::ceil(cy + radius + 1.f));
	for (s32 y = topRow; y <= bottomRow; ++y)
		for (s32 x = left; x <= right; ++x)
		{
			const f32 distance = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
			blendPixel(image, x, y, colour, radius + 0.5f - distance);
		}
}

struct SHelixDot
{
	f32 x;
	f32 y;
	f32 depth;
	video::SColor colour;

	bool operator<(const SHelixDot& other) const { return depth < other.depth; }
};

//! The dot of one strand at step i; depth runs from -1 (far) to 1 (near).
SHelixDot helixDot(u32 i, f32 phase, video::SColor colour)
{
	const f32 t = f32(i) / f32(DOTS_PER_STRAND - 1);
	const f32 angle = t * TURNS * 2.f * core::PI + phase;
	SHelixDot dot;
	dot.x = MARGIN + t * (IMAGE_WIDTH - 2.f * MARGIN);
	dot.y = IMAGE_HEIGHT * 0.5f + HELIX_RADIUS * std::sin(angle);
	dot.depth = std::cos(angle);
	dot.colour = colour;
	return dot;
}

void drawHelix(video::IImage* image)
{
	const video::SColor teal(255, 46, 196, 182);
	const video::SColor amber(255, 255, 159, 28);
	const video::SColor rung(110, 200, 210, 220);
	core::array<SHelixDot> dots;
	for (u32 i = 0; i < DOTS_PER_STRAND; ++i)
	{
		const SHelixDot a = helixDot(i, 0.f, teal);
		const SHelixDot b = helixDot(i, core::PI, amber);
		// Faint rungs between the strands, drawn first so the dots cover their ends.
		if (i % 2 == 0)
			for (f32 s = 0.f; s <= 1.f; s += 0.02f)
				drawDot(image, a.x, a.y + (b.y - a.y) * s, 0.9f, rung);
		dots.push_back(a);
		dots.push_back(b);
	}
	// Far dots first, so the near strand passes in front.
	dots.sort();
	for (u32 i = 0; i < dots.size(); ++i)
	{
		const SHelixDot& dot = dots[i];
		video::SColor shaded = dot.colour.getInterpolated(video::SColor(255, 30, 40, 60), 0.6f + 0.4f * dot.depth);
		drawDot(image, dot.x, dot.y, 4.f + 2.5f * dot.depth, shaded);
	}
}

} // end anonymous namespace

int main(int argc, char** argv)
{
	if (argc != 2)
	{
		fprintf(stderr, "usage: %s IMAGE-PATH\n", argv[0]);
		return 2;
	}
	SIrrlichtCreationParameters parameters;
	parameters.DriverType = video::EDT_NULL;
	parameters.LoggingLevel = ELL_ERROR;
	IrrlichtDevice* device = createDeviceEx(parameters);
	if (!device)
	{
		fprintf(stderr, "%s: no device for the image writer\n", argv[0]);
		return 1;
	}
	video::IVideoDriver* driver = device->getVideoDriver();
	video::IImage* image = driver->createImage(video::ECF_A8R8G8B8, core::dimension2du(IMAGE_WIDTH, IMAGE_HEIGHT));
	image->fill(video::SColor(0, 0, 0, 0));
	drawHelix(image);
	const bool written = driver->writeImageToFile(image, argv[1]);
	image->drop();
	device->drop();
	if (!written)
	{
		fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
		return 1;
	}
	return 0;
}
