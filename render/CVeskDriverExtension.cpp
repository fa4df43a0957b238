#include "render/CVeskDriverExtension.h"

using namespace irr;

CVeskDriverExtension::CVeskDriverExtension(video::IVideoDriver* driver)
	: Driver(driver), WindSpeed(1.f), WindStrength(1.f), FogOverride(true), FogEnabled(false), ReceivesShadows(true)
{
	for (s32 i = 0; i < STOCK_TYPE_COUNT; ++i)
		BrighteningRenderers[i] = -1;
}

video::SMaterial CVeskDriverExtension::makeDriverMaterial(const video::SMaterial& material) const
{
	video::SMaterial driverMaterial(material);
	if (FogOverride)
		driverMaterial.FogEnable = FogEnabled;
	const s32 brightening = getBrighteningRenderer(s32(material.MaterialType));
	if (brightening >= 0)
		driverMaterial.MaterialType = video::E_MATERIAL_TYPE(brightening);
	return driverMaterial;
}

void CVeskDriverExtension::setMaterial(const video::SMaterial& material)
{
	Driver->setMaterial(makeDriverMaterial(material));
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
