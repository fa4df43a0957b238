#include "render/CVeskMovingGrassShaderCallback.h"

#include "render/CVeskDriverExtension.h"

#include <IMaterialRendererServices.h>
#include <IVideoDriver.h>
#include <SLight.h>

#include <GL/gl.h>

#include <cmath>

using namespace irr;

CVeskMovingGrassShaderCallback::CVeskMovingGrassShaderCallback(CVeskDriverExtension* extension, ITimer* timer)
	: Extension(extension), Timer(timer), Lighting(false)
{
}

void CVeskMovingGrassShaderCallback::OnSetMaterial(const video::SMaterial& material)
{
	Lighting = material.Lighting;
}

f32 CVeskMovingGrassShaderCallback::computeGrassMovement(u32 timeMs, f32 windSpeed)
{
	return f32(fmod(f64(timeMs) * windSpeed / 500.0, 1000.0));
}

void CVeskMovingGrassShaderCallback::OnSetConstants(video::IMaterialRendererServices* services, s32 userData)
{
	video::IVideoDriver* driver = services->getVideoDriver();
	const core::matrix4& world = driver->getTransform(video::ETS_WORLD);
	core::matrix4 worldViewProj = driver->getTransform(video::ETS_PROJECTION);
	worldViewProj *= driver->getTransform(video::ETS_VIEW);
	worldViewProj *= world;
	services->setVertexShaderConstant("mWorldViewProj", worldViewProj.pointer(), 16);
	services->setVertexShaderConstant("mWorld", world.pointer(), 16);

	core::matrix4 inverseWorld;
	world.getInverse(inverseWorld);

	f32 lightPositions[16] = { 0 };
	f32 lightColors[20] = { 0 };
	core::vector3df directionalDirection(0, -1, 0);
	video::SColorf directionalColor(0, 0, 0, 0);
	if (Lighting)
	{
		bool haveDirectional = false;
		u32 points = 0;
		for (u32 i = 0; i < driver->getDynamicLightCount(); ++i)
		{
			const video::SLight& light = driver->getDynamicLight(i);
			if (light.Type == video::ELT_DIRECTIONAL && !haveDirectional)
			{
				haveDirectional = true;
				directionalDirection = light.Direction;
				inverseWorld.rotateVect(directionalDirection);
				directionalDirection.normalize();
				directionalColor = light.DiffuseColor;
			}
			else if (light.Type == video::ELT_POINT && points < 4)
			{
				core::vector3df position = light.Position;
				inverseWorld.transformVect(position);
				lightPositions[points * 4 + 0] = position.X;
				lightPositions[points * 4 + 1] = position.Y;
				lightPositions[points * 4 + 2] = position.Z;
				lightPositions[points * 4 + 3] = light.Attenuation.Y;
				lightColors[points * 4 + 0] = light.DiffuseColor.r;
				lightColors[points * 4 + 1] = light.DiffuseColor.g;
				lightColors[points * 4 + 2] = light.DiffuseColor.b;
				lightColors[points * 4 + 3] = 1.f;
				++points;
			}
		}
		// The driver keeps its ambient light only in the GL light model.
		glGetFloatv(GL_LIGHT_MODEL_AMBIENT, lightColors + 16);
	}
	else
	{
		lightColors[16] = lightColors[17] = lightColors[18] = 0.25f;
		lightColors[19] = 1.f;
	}
	services->setVertexShaderConstant("mDirLightDirection", &directionalDirection.X, 3);
	services->setVertexShaderConstant("mDirLightColor", &directionalColor.r, 4);
	services->setVertexShaderConstant("arrLightPositions[0]", lightPositions, 16);
	services->setVertexShaderConstant("arrLightColors[0]", lightColors, 20);

	video::SColor fogColor;
	video::E_FOG_TYPE fogType;
	f32 fogStart, fogEnd, fogDensity;
	bool pixelFog, rangeFog;
	driver->getFog(fogColor, fogType, fogStart, fogEnd, fogDensity, pixelFog, rangeFog);
	bool fogOverride, fogEnabled;
	Extension->getFogOverride(fogOverride, fogEnabled);
	const f32 density = fogEnabled ? fogDensity : 0.f;
	const f32 fogColorF[4] = { fogColor.getRed() / 255.f, fogColor.getGreen() / 255.f, fogColor.getBlue() / 255.f,
		fogColor.getAlpha() / 255.f };
	services->setPixelShaderConstant("mFogDensity", &density, 1);
	services->setPixelShaderConstant("mFogColor", fogColorF, 4);

	const f32 movement = computeGrassMovement(Timer->getTime(), Extension->getWindSpeed());
	const f32 strength = Extension->getWindStrength();
	services->setVertexShaderConstant("grassMovement", &movement, 1);
	services->setVertexShaderConstant("windStrength", &strength, 1);
	const s32 textureUnit = 0;
	services->setPixelShaderConstant("texture0", &textureUnit, 1);
}
