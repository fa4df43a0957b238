#include "scene/CVeskMetaDataEntryRoomMesh.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"

#include <ITexture.h>

using namespace irr;

namespace
{

void replaceTexture(video::ITexture*& slot, video::ITexture* texture)
{
	if (texture)
		texture->grab();
	if (slot)
		slot->drop();
	slot = texture;
}

} // end anonymous namespace

CVeskMetaDataEntryRoomMesh::CVeskMetaDataEntryRoomMesh()
	: GridWidth(0), GridHeight(0), Mode(0), Texture(0), Scalar(1.5f), Vector(0, 0, 0)
{
	for (s32 i = 0; i <= CELL_TEXTURE_COUNT; ++i)
		CellTextures[i] = 0;
}

CVeskMetaDataEntryRoomMesh::~CVeskMetaDataEntryRoomMesh()
{
	for (s32 i = 0; i <= CELL_TEXTURE_COUNT; ++i)
		if (CellTextures[i])
			CellTextures[i]->drop();
	if (Texture)
		Texture->drop();
}

void CVeskMetaDataEntryRoomMesh::setGridSize(s32 width, s32 height)
{
	if (width < 1 || height < 1 || (width == GridWidth && height == GridHeight))
		return;
	GridWidth = width;
	GridHeight = height;
	Cells.assign(size_t(width) * size_t(height), 0);
}

bool CVeskMetaDataEntryRoomMesh::isInGrid(s32 x, s32 y) const
{
	return x >= 0 && y >= 0 && x < GridWidth && y < GridHeight;
}

u8 CVeskMetaDataEntryRoomMesh::getCell(s32 x, s32 y) const
{
	return isInGrid(x, y) ? Cells[size_t(x) + size_t(y) * size_t(GridWidth)] : 0;
}

void CVeskMetaDataEntryRoomMesh::setCell(s32 x, s32 y, u8 value)
{
	if (isInGrid(x, y))
		Cells[size_t(x) + size_t(y) * size_t(GridWidth)] = value;
}

void CVeskMetaDataEntryRoomMesh::setCellTexture(s32 number, video::ITexture* texture)
{
	if (number < 1 || number > CELL_TEXTURE_COUNT)
		return;
	replaceTexture(CellTextures[number], texture);
}

video::ITexture* CVeskMetaDataEntryRoomMesh::getCellTexture(s32 number) const
{
	if (number < 1 || number > CELL_TEXTURE_COUNT)
		return 0;
	return CellTextures[number];
}

void CVeskMetaDataEntryRoomMesh::setTexture(video::ITexture* texture)
{
	replaceTexture(Texture, texture);
}

void CVeskMetaDataEntryRoomMesh::setMode(s32 mode)
{
	if (mode >= 0 && mode <= 2)
		Mode = mode;
}

void CVeskMetaDataEntryRoomMesh::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(0);
	const bool hasCells = !Cells.empty();
	writer->writeInt(hasCells ? GridWidth : 0);
	writer->writeInt(hasCells ? GridHeight : 0);
	if (hasCells)
		writer->writeBytes(Cells.data(), u32(Cells.size()));
	for (s32 i = 0; i <= CELL_TEXTURE_COUNT; ++i)
		writer->writeTexture(CellTextures[i]);
	writer->writeInt(Mode);
	writer->writeTexture(Texture);
	writer->writeFloat(Scalar);
	writer->writeVector(Vector);
}

void CVeskMetaDataEntryRoomMesh::readBinary(CVeskDeserializer* reader)
{
	reader->readInt();
	const s32 width = reader->readInt();
	const s32 height = reader->readInt();
	// A grid the rest of the file cannot hold is damage, not a size to allocate.
	const bool fits = width > 0 && height > 0 && u64(width) * u64(height) <= u64(reader->getRemainingBytes());
	if (fits)
	{
		setGridSize(width, height);
		reader->readBytes(Cells.data(), u32(Cells.size()));
	}
	for (s32 i = 0; i <= CELL_TEXTURE_COUNT; ++i)
		setCellTexture(i, reader->readTexture());
	setMode(reader->readInt());
	setTexture(reader->readTexture());
	Scalar = reader->readFloat();
	Vector = reader->readVector();
}

IVeskMetaDataEntry* CVeskMetaDataEntryRoomMesh::clone() const
{
	CVeskMetaDataEntryRoomMesh* copy = new CVeskMetaDataEntryRoomMesh();
	copy->setGridSize(GridWidth, GridHeight);
	copy->Cells = Cells;
	for (s32 i = 1; i <= CELL_TEXTURE_COUNT; ++i)
		copy->setCellTexture(i, CellTextures[i]);
	copy->Mode = Mode;
	copy->setTexture(Texture);
	copy->Scalar = Scalar;
	copy->Vector = Vector;
	return copy;
}
