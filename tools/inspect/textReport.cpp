#include "textReport.h"

#include <string>

using nlohmann::ordered_json;

namespace
{

std::string compact(const ordered_json& value)
{
	return value.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
}

//! A string value without quotes, anything else as JSON.
std::string plain(const ordered_json& value)
{
	return value.is_string() ? value.get<std::string>() : compact(value);
}

//! A member of an object, or null when it is missing: reports cut short by a fault may hold
//! records with only some of their fields.
ordered_json field(const ordered_json& object, const char* key)
{
	if (!object.is_object() || !object.contains(key))
		return ordered_json();
	return object[key];
}

void printFields(const ordered_json& object, const std::string& indent, std::ostream& out)
{
	if (!object.is_object())
		return;
	for (auto it = object.begin(); it != object.end(); ++it)
		out << indent << it.key() << ": " << plain(it.value()) << "\n";
}

void printNode(const ordered_json& node, int depth, std::ostream& out)
{
	const std::string indent(size_t(2 * depth + 4), ' ');
	if (!node.is_object())
		return;
	if (node.contains("skipped"))
	{
		out << indent << "(record skipped: " << plain(node["skipped"]) << ")\n";
		return;
	}
	out << indent << plain(field(node, "type")) << " id " << plain(field(node, "id")) << " \"" << plain(field(node, "name")) << "\"";
	const char* fields[] = { "position", "rotation", "scale", "visible", "culling", "materials", "behaviours", "ambientLight", "metadata" };
	for (const char* field : fields)
		if (node.contains(field))
			out << " " << field << " " << compact(node[field]);
	out << "\n";
	if (node.contains("children"))
		for (const ordered_json& child : node["children"])
			printNode(child, depth + 1, out);
}

} // end anonymous namespace

void printTextReport(const ordered_json& report, std::ostream& out)
{
	out << "file: " << plain(field(report, "file")) << "\n";
	if (report.contains("trailer"))
	{
		out << "trailer:\n";
		printFields(report["trailer"], "  ", out);
	}
	if (report.contains("header"))
		out << "header: " << plain(field(report["header"], "magic")) << " version " << plain(field(report["header"], "version")) << "\n";
	if (report.contains("settings") && !report["settings"].empty())
	{
		out << "publishing settings:\n";
		printFields(report["settings"], "  ", out);
	}
	if (report.contains("scenes"))
	{
		int index = 0;
		for (const ordered_json& scene : report["scenes"])
		{
			out << "scene " << index++ << ": " << plain(field(scene, "kind"));
			if (!scene.is_object())
			{
				out << "\n";
				continue;
			}
			if (scene.contains("name"))
				out << " \"" << plain(scene["name"]) << "\"";
			out << "\n";
			if (scene.contains("settings"))
				printFields(scene["settings"], "  ", out);
			if (scene.contains("unknownChunks"))
				out << "  unknown chunks: " << compact(scene["unknownChunks"]) << "\n";
			if (scene.contains("nodes"))
			{
				out << "  nodes:\n";
				for (const ordered_json& node : scene["nodes"])
					printNode(node, 0, out);
			}
		}
	}
	if (report.contains("startScene"))
		out << "start scene: " << plain(report["startScene"]) << "\n";
	if (report.contains("scriptLength"))
		out << "global script: " << plain(report["scriptLength"]) << " bytes\n";
	if (report.contains("unknownChunks"))
		out << "unknown chunks: " << compact(report["unknownChunks"]) << "\n";
	if (report.contains("embeddedFiles"))
	{
		out << "embedded files:\n";
		for (const ordered_json& file : report["embeddedFiles"])
			out << "  " << plain(field(file, "kind")) << " \"" << plain(field(file, "name")) << "\" " << plain(field(file, "size")) << " bytes\n";
	}
	if (report.contains("notes"))
		for (const ordered_json& note : report["notes"])
			out << "note: " << plain(note) << "\n";
	if (report.contains("fault"))
	{
		out << "fault at offset " << plain(field(report["fault"], "offset"));
		if (report["fault"].contains("fileOffset"))
			out << " (" << plain(report["fault"]["fileOffset"]) << " in the file)";
		out << ": expected " << plain(field(report["fault"], "expected")) << "\n";
	}
}
