#include "render/CVeskSceneManagerExtension.h"

#include <IAttributeExchangingObject.h>
#include <IAttributes.h>
#include <ISceneManager.h>
#include <ISceneNode.h>

using namespace irr;

namespace
{

void copyParameter(io::IAttributes* in, s32 index, io::IAttributes* parameters, u32 parameterIndex)
{
	switch (parameters->getAttributeType(s32(parameterIndex)))
	{
	case io::EAT_INT:
		parameters->setAttribute(s32(parameterIndex), in->getAttributeAsInt(index));
		break;
	case io::EAT_FLOAT:
		parameters->setAttribute(s32(parameterIndex), in->getAttributeAsFloat(index));
		break;
	case io::EAT_COLOR:
		parameters->setAttribute(s32(parameterIndex), in->getAttributeAsColor(index));
		break;
	default:
		break;
	}
}

void writeParameter(io::IAttributes* out, io::IAttributes* parameters, u32 index)
{
	const c8* name = parameters->getAttributeName(s32(index));
	switch (parameters->getAttributeType(s32(index)))
	{
	case io::EAT_INT:
		out->addInt(name, parameters->getAttributeAsInt(s32(index)));
		break;
	case io::EAT_FLOAT:
		out->addFloat(name, parameters->getAttributeAsFloat(s32(index)));
		break;
	case io::EAT_COLOR:
		out->addColor(name, parameters->getAttributeAsColor(s32(index)));
		break;
	default:
		break;
	}
}

void readBool(io::IAttributes* in, const c8* name, bool& value)
{
	if (in->existsAttribute(name))
		value = in->getAttributeAsBool(name);
}

void readFloat(io::IAttributes* in, const c8* name, f32& value)
{
	if (in->existsAttribute(name))
		value = in->getAttributeAsFloat(name);
}

void readColor(io::IAttributes* in, const c8* name, video::SColor& value)
{
	if (in->existsAttribute(name))
		value = in->getAttributeAsColor(name);
}

} // end anonymous namespace

void CVeskSceneManagerExtension::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	const s32 flags = options ? options->Flags : 0;
	bool writeSettings = true;
	bool writePostEffects = true;
	if (flags & io::EARWF_FOR_EDITOR)
	{
		writeSettings = !(flags & ATTRIBUTES_POST_EFFECTS_ONLY);
		writePostEffects = !writeSettings;
	}

	scene::ISceneNode* root = SceneManager ? SceneManager->getRootSceneNode() : 0;
	if ((flags & ATTRIBUTES_WITH_ID_AND_NAME) && root)
	{
		out->addInt("Id", root->getID());
		out->addString("Name", root->getName());
	}

	if (writeSettings)
	{
		if (SceneManager)
			out->addColorf("AmbientLight", SceneManager->getAmbientLight());
		out->addColor("BackgroundColor", BackgroundColor);
		out->addFloat("Gravity", Gravity);
		out->addBool("Fog", FogEnabled);
		if (FogEnabled)
		{
			out->addColor("FogColor", FogColor);
			out->addFloat("FogDensity", FogDensity);
		}
		out->addBool("Wind", WindEnabled);
		if (WindEnabled)
		{
			out->addFloat("WindSpeed", WindSpeed);
			out->addFloat("WindStrength", WindStrength);
		}
		out->addBool("Realtime Shadows", ShadowsEnabled);
		if (ShadowsEnabled)
		{
			out->addFloat("Shadow Opacity", ShadowOpacity);
			out->addFloat("Shadow DetailFactor", ShadowDetailFactor);
			out->addFloat("Shadow Bias1", ShadowBias1);
			out->addFloat("Shadow Bias2", ShadowBias2);
			out->addFloat("Shadow BackfaceBias", ShadowBackfaceBias);
		}
	}

	if (!writePostEffects)
		return;
	for (u32 i = 0; i < EVPE_COUNT; ++i)
	{
		const SVeskPostEffect& effect = PostEffects[i];
		if (!effect.OfferedAsAttribute)
			continue;
		out->addBool(effect.Name, effect.Enabled);
		if (!effect.Enabled || !effect.Parameters)
			continue;
		for (u32 p = 0; p < effect.Parameters->getAttributeCount(); ++p)
			writeParameter(out, effect.Parameters, p);
	}
}

void CVeskSceneManagerExtension::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	if (SceneManager && in->existsAttribute("AmbientLight"))
		SceneManager->setAmbientLight(in->getAttributeAsColorf("AmbientLight"));
	readColor(in, "BackgroundColor", BackgroundColor);
	readFloat(in, "Gravity", Gravity);
	readBool(in, "Fog", FogEnabled);
	readColor(in, "FogColor", FogColor);
	readFloat(in, "FogDensity", FogDensity);
	readBool(in, "Wind", WindEnabled);
	readFloat(in, "WindSpeed", WindSpeed);
	readFloat(in, "WindStrength", WindStrength);

	bool shadows = ShadowsEnabled;
	f32 opacity = ShadowOpacity, detailFactor = ShadowDetailFactor;
	f32 bias1 = ShadowBias1, bias2 = ShadowBias2, backfaceBias = ShadowBackfaceBias;
	readBool(in, "Realtime Shadows", shadows);
	readFloat(in, "Shadow Opacity", opacity);
	readFloat(in, "Shadow DetailFactor", detailFactor);
	readFloat(in, "Shadow Bias1", bias1);
	readFloat(in, "Shadow Bias2", bias2);
	readFloat(in, "Shadow BackfaceBias", backfaceBias);
	setShadowSettings(shadows, bias1, bias2, backfaceBias, opacity, detailFactor);

	readPostEffectAttributes(in);
	resetRootTransformation();
}

void CVeskSceneManagerExtension::readPostEffectAttributes(io::IAttributes* in)
{
	for (u32 i = 0; i < EVPE_COUNT; ++i)
	{
		SVeskPostEffect& effect = PostEffects[i];
		const s32 index = in->findAttribute(effect.Name);
		if (index < 0)
			continue;
		effect.Enabled = in->getAttributeAsBool(index);
		if (!effect.Enabled || !effect.Parameters)
			continue;
		// The parameters are matched by position after the switch, and only taken when the
		// name at that position is the parameter's own.
		for (u32 p = 0; p < effect.Parameters->getAttributeCount(); ++p)
		{
			const s32 at = index + 1 + s32(p);
			if (at >= s32(in->getAttributeCount()))
				break;
			if (core::stringc(in->getAttributeName(at)) == effect.Parameters->getAttributeName(s32(p)))
				copyParameter(in, at, effect.Parameters, p);
		}
	}
}

void CVeskSceneManagerExtension::resetRootTransformation()
{
	scene::ISceneNode* root = SceneManager ? SceneManager->getRootSceneNode() : 0;
	if (!root)
		return;
	root->setPosition(core::vector3df(0, 0, 0));
	root->setRotation(core::vector3df(0, 0, 0));
	root->setScale(core::vector3df(1, 1, 1));
	root->setVisible(true);
	root->updateAbsolutePosition();
}
