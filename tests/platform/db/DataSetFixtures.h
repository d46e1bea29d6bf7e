#pragma once
// Small tables for the dataset tests: a named-and-dated table with a unique case-insensitive
// index, and a master with two nested tables.
#include <memory>
#include <string>
#include <vector>

#include "platform/db/ClientDataSet.h"
#include "platform/db/DateTimeField.h"
#include "platform/db/NumericField.h"
#include "platform/db/StringField.h"

// Name (required), Stamp (date-time), Value (float); index ByName on Name;Stamp (primary,
// unique, case-insensitive) and ByStampDesc on Stamp;Name (unique, descending).
struct TNamesTable {
    TClientDataSet ds;
    TStringField* Name;
    TDateTimeField* Stamp;
    TFloatField* Value;

    TNamesTable() {
        ds.SetName("cdsNames");
        Name = ds.AddField<TStringField>("Name", 100);
        Name->SetRequired(true);
        Stamp = ds.AddField<TDateTimeField>("Stamp");
        Value = ds.AddField<TFloatField>("Value");
        ds.IndexDefs().Add("ByName", "Name;Stamp", ixPrimary | ixUnique | ixCaseInsensitive);
        ds.IndexDefs().Add("ByStampDesc", "Stamp;Name", ixUnique | ixDescending);
        ds.CreateDataSet();
    }

    void Add(const std::string& name, double stamp = 1.0, double value = 0.0) {
        ds.Append();
        Name->SetAsString(name);
        Stamp->SetAsDateTime(stamp);
        Value->SetAsFloat(value);
        ds.Post();
    }

    // The Name column walked in the active order (the cursor ends at the end).
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (ds.First(); !ds.Eof(); ds.Next()) names.push_back(Name->AsString());
        return names;
    }
};

// A master (Title required) with nested tables Points (X float, unique index on X) and Tags
// (Tag string, unique case-insensitive index on Tag), each shown by its own detail dataset.
struct TNestedTables {
    TClientDataSet master, points, tags;
    TStringField* Title;
    TDataSetField* PointsField;
    TDataSetField* TagsField;
    TFloatField* X;
    TFloatField* Y;
    TStringField* Tag;

    TNestedTables() {
        master.SetName("cdsMaster");
        points.SetName("cdsPoints");
        tags.SetName("cdsTags");
        Title = master.AddField<TStringField>("Title", 40);
        Title->SetRequired(true);
        PointsField = master.AddField<TDataSetField>("Points");
        TagsField = master.AddField<TDataSetField>("Tags");
        X = points.AddField<TFloatField>("X");
        X->SetRequired(true);
        Y = points.AddField<TFloatField>("Y");
        Tag = tags.AddField<TStringField>("Tag", 20);
        points.IndexDefs().Add("ByX", "X", ixPrimary | ixUnique);
        points.SetIndexName("ByX");
        tags.IndexDefs().Add("ByTag", "Tag", ixUnique | ixCaseInsensitive);
        tags.SetIndexName("ByTag");
        points.SetDataSetField(PointsField);
        tags.SetDataSetField(TagsField);
        master.IndexDefs().Add("ByTitle", "Title", ixUnique);
        master.SetIndexName("ByTitle");
        master.CreateDataSet();
    }

    void AddMaster(const std::string& title) {
        master.Append();
        Title->SetAsString(title);
        master.Post();
    }
    void AddPoint(double x, double y) {
        points.Append();
        X->SetAsFloat(x);
        Y->SetAsFloat(y);
        points.Post();
    }
    void AddTag(const std::string& tag) {
        tags.Append();
        Tag->SetAsString(tag);
        tags.Post();
    }

    // "x:y" of every point and every tag of the current master, in index order.
    std::string Children() {
        std::string text;
        for (points.First(); !points.Eof(); points.Next())
            text += X->AsString() + ":" + Y->AsString() + " ";
        text += "|";
        for (tags.First(); !tags.Eof(); tags.Next()) text += " " + Tag->AsString();
        return text;
    }
};
