#include "render/CVeskDriverExtension.h"

using namespace irr;

CVeskDriverExtension::CVeskDriverExtension(video::IVideoDriver* driver)
	: Driver(driver), WindSpeed(1.f), WindStrength(1.f), FogOverride(true), FogEnabled(false), ReceivesShadows(true),
	  Has2DTransformation(false)
{
	for (s32 i = 0; i < STOCK_TYPE_COUNT; ++i)
		BrighteningRenderers[i] = -1;
}

void CVeskDriverExtension::adaptForDriver(video::SMaterial& material) const
{
	if (FogOverride)
		material.FogEnable = FogEnabled;
	const s32 brightening = getBrighteningRenderer(s32(material.MaterialType));
	if (brightening >= 0)
		material.MaterialType = video::E_MATERIAL_TYPE(brightening);
}

video::SMaterial CVeskDriverExtension::makeDriverMaterial(const video::SMaterial& material) const
{
	video::SMaterial driverMaterial(material);
	adaptForDriver(driverMaterial);
	return driverMaterial;
}

void CVeskDriverExtension::setMaterial(const video::SMaterial& material)
{
	// Assigned into a kept material: a temporary per call costs a construction and a
	// destruction of four texture layers each time, on the path of every drawn buffer.
	DriverMaterial = material;
	adaptForDriver(DriverMaterial);
	Driver->setMaterial(DriverMaterial);
}

void CVeskDriverExtension::setFogOverride(bool fogOverride, bool fogEnabled)
{
	FogOverride = fogOverride;
	FogEnabled = fogEnabled;
}

void CVeskDriverExtension::getFogOverride(bool& fogOverride, bool& fogEnabled) const
{
	fogOverride = FogOverride;
	fogEnabled = FogEnabled;
}

void CVeskDriverExtension::setWind(f32 speed, f32 strength)
{
	WindSpeed = speed;
	WindStrength = strength;
}

void CVeskDriverExtension::setBrighteningRenderer(video::E_MATERIAL_TYPE stockType, s32 renderer)
{
	if (s32(stockType) >= 0 && s32(stockType) < STOCK_TYPE_COUNT)
		BrighteningRenderers[stockType] = renderer;
}

s32 CVeskDriverExtension::getBrighteningRenderer(s32 materialType) const
{
	if (materialType < 0 || materialType >= STOCK_TYPE_COUNT)
		return -1;
	return BrighteningRenderers[materialType];
}

void CVeskDriverExtension::set2DTransformation(const core::matrix4* transformation)
{
	Has2DTransformation = transformation != 0;
	if (transformation)
		Transformation2D = *transformation;
}

core::recti CVeskDriverExtension::transform2DRectangle(const core::recti& rectangle) const
{
	if (!Has2DTransformation)
		return rectangle;
	const s32 xs[2] = { rectangle.UpperLeftCorner.X, rectangle.LowerRightCorner.X };
	const s32 ys[2] = { rectangle.UpperLeftCorner.Y, rectangle.LowerRightCorner.Y };
	core::rectf bounds;
	for (u32 i = 0; i < 4; ++i)
	{
		core::vector3df corner(f32(xs[i & 1]), f32(ys[i >> 1]), 0.f);
		Transformation2D.transformVect(corner);
		if (i == 0)
			bounds = core::rectf(corner.X, corner.Y, corner.X, corner.Y);
		else
			bounds.addInternalPoint(corner.X, corner.Y);
	}
	return core::recti(core::round32(bounds.UpperLeftCorner.X), core::round32(bounds.UpperLeftCorner.Y),
		core::round32(bounds.LowerRightCorner.X), core::round32(bounds.LowerRightCorner.Y));
}
