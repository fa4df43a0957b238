#include "document/veskMaterialRecord.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"

#include <ITexture.h>

using namespace irr;

namespace
{

//! Materials of this format carry four texture layers, whatever the engine's maximum is.
const u32 STORED_TEXTURE_LAYERS = 4;
static_assert(STORED_TEXTURE_LAYERS <= video::MATERIAL_MAX_TEXTURES, "the engine holds every stored layer");

} // end anonymous namespace

video::SMaterial readMaterial(CVeskDeserializer* reader)
{
	video::SMaterial material;
	material.MaterialType = video::E_MATERIAL_TYPE(reader->readUInt());
	material.AmbientColor = reader->readColor();
	material.DiffuseColor = reader->readColor();
	material.EmissiveColor = reader->readColor();
	material.SpecularColor = reader->readColor();
	material.Shininess = reader->readFloat();
	material.MaterialTypeParam = reader->readFloat();
	material.MaterialTypeParam2 = reader->readFloat();
	material.Wireframe = reader->readBool();
	material.GouraudShading = reader->readBool();
	material.Lighting = reader->readBool();
	material.ZWriteEnable = reader->readBool();
	material.ZBuffer = reader->readByte();
	material.BackfaceCulling = reader->readBool();
	material.FrontfaceCulling = reader->readBool();
	material.FogEnable = reader->readBool();
	material.NormalizeNormals = reader->readBool();
	for (u32 i = 0; i < STORED_TEXTURE_LAYERS; ++i)
	{
		video::ITexture* texture = reader->readTexture();
		const bool bilinear = reader->readBool();
		const bool trilinear = reader->readBool();
		const bool anisotropic = reader->readBool();
		const s32 wrap = reader->readShort();
		video::SMaterialLayer& layer = material.TextureLayer[i];
		layer.Texture = texture;
		layer.BilinearFilter = bilinear;
		layer.TrilinearFilter = trilinear;
		layer.AnisotropicFilter = anisotropic ? 1 : 0;
		layer.TextureWrapU = u8(wrap);
		layer.TextureWrapV = u8(wrap);
	}
	return material;
}

void writeMaterial(CVeskSerializer* writer, const video::SMaterial& material)
{
	writer->writeUInt(u32(material.MaterialType));
	writer->writeColor(material.AmbientColor);
	writer->writeColor(material.DiffuseColor);
	writer->writeColor(material.EmissiveColor);
	writer->writeColor(material.SpecularColor);
	writer->writeFloat(material.Shininess);
	writer->writeFloat(material.MaterialTypeParam);
	writer->writeFloat(material.MaterialTypeParam2);
	writer->writeBool(material.Wireframe);
	writer->writeBool(material.GouraudShading);
	writer->writeBool(material.Lighting);
	writer->writeBool(material.ZWriteEnable);
	writer->writeByte(material.ZBuffer);
	writer->writeBool(material.BackfaceCulling);
	writer->writeBool(material.FrontfaceCulling);
	writer->writeBool(material.FogEnable);
	writer->writeBool(material.NormalizeNormals);
	for (u32 i = 0; i < STORED_TEXTURE_LAYERS; ++i)
	{
		const video::SMaterialLayer& layer = material.TextureLayer[i];
		writer->writeTexture(layer.Texture);
		writer->writeBool(layer.BilinearFilter);
		writer->writeBool(layer.TrilinearFilter);
		writer->writeBool(layer.AnisotropicFilter != 0);
		writer->writeShort(s16(layer.TextureWrapU));
	}
}
