-- The tables of every sample reference database. The column types follow the reference
-- data: a COUNTER is the integer primary key, TEXT(n) and MEMO are text, LONG is an
-- integer and YESNO is 0 or 1. [AD-VARIANT] is the sub-table that the variants of
-- advantages (their sub-entries) are filed in.

CREATE TABLE [Races] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(255),
  [Category Identifier] INTEGER,
  [Cost] TEXT(255),
  [Stereotype] TEXT(255),
  [Page] TEXT(255),
  [KIT Filename] TEXT(255),
  [Sub-Table] TEXT(255)
);
CREATE TABLE [Advantages] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(50),
  [Sub-ID] TEXT(50),
  [Category Identifier] INTEGER,
  [Cost] TEXT(60),
  [Page] TEXT(50),
  [Style Identifier] INTEGER,
  [BaseBonus] TEXT(10),
  [Sub-Table] TEXT(50),
  [Description] TEXT,
  [Sort] INTEGER
);
CREATE TABLE [Disadvantages] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(50),
  [Sub-ID] TEXT(50),
  [Category Identifier] INTEGER,
  [Cost] TEXT(60),
  [Page] TEXT(50),
  [Style Identifier] INTEGER,
  [BaseBonus] TEXT(10),
  [Sub-Table] TEXT(50),
  [Description] TEXT,
  [Sort] INTEGER
);
CREATE TABLE [Racial Advantages] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(50),
  [Sub-ID] TEXT(50),
  [Category Identifier] INTEGER,
  [Cost] TEXT(60),
  [Page] TEXT(50),
  [Style Identifier] INTEGER,
  [BaseBonus] TEXT(10),
  [Sub-Table] TEXT(50),
  [Description] TEXT,
  [Sort] INTEGER
);
CREATE TABLE [Racial Disadvantages] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(50),
  [Sub-ID] TEXT(50),
  [Category Identifier] INTEGER,
  [Cost] TEXT(60),
  [Page] TEXT(50),
  [Style Identifier] INTEGER,
  [BaseBonus] TEXT(10),
  [Sub-Table] TEXT(50),
  [Description] TEXT,
  [Sort] INTEGER
);
CREATE TABLE [Super Advantages] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(50),
  [Sub-ID] TEXT(50),
  [Category Identifier] INTEGER,
  [Cost] TEXT(60),
  [Page] TEXT(50),
  [Style Identifier] INTEGER,
  [BaseBonus] TEXT(10),
  [Sub-Table] TEXT(50),
  [Description] TEXT,
  [Sort] INTEGER
);
CREATE TABLE [Super Disadvantages] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(50),
  [Sub-ID] TEXT(50),
  [Category Identifier] INTEGER,
  [Cost] TEXT(60),
  [Page] TEXT(50),
  [Style Identifier] INTEGER,
  [BaseBonus] TEXT(10),
  [Sub-Table] TEXT(50),
  [Description] TEXT,
  [Sort] INTEGER
);
CREATE TABLE [Advantages-Martial Arts Styles] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(50),
  [Sub-ID] TEXT(50),
  [Category Identifier] INTEGER,
  [Cost] TEXT(60),
  [Page] TEXT(50),
  [Style Identifier] INTEGER,
  [BaseBonus] TEXT(10),
  [Sub-Table] TEXT(50),
  [Description] TEXT,
  [Sort] INTEGER
);
CREATE TABLE [AD-VARIANT] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(50),
  [Sub-ID] TEXT(50),
  [Category Identifier] INTEGER,
  [Cost] TEXT(60),
  [Page] TEXT(50),
  [Style Identifier] INTEGER,
  [BaseBonus] TEXT(10),
  [Sub-Table] TEXT(50),
  [Description] TEXT,
  [Sort] INTEGER
);
CREATE TABLE [Skills] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(50),
  [Sub-ID] TEXT(50),
  [Skill Group] TEXT(50),
  [Category Identifier] INTEGER,
  [Skill Type Identifier] INTEGER,
  [Defaults] TEXT(80),
  [Page] TEXT(50),
  [Style Identifier] INTEGER,
  [Tech-Level] INTEGER CHECK ([Tech-Level] IN (0, 1)),
  [Sub-Table] TEXT(50),
  [Can Default] INTEGER CHECK ([Can Default] IN (0, 1)),
  [Description] TEXT
);
CREATE TABLE [Skills-Languages] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(50),
  [Sub-ID] TEXT(50),
  [Skill Group] TEXT(50),
  [Category Identifier] INTEGER,
  [Skill Type Identifier] INTEGER,
  [Defaults] TEXT(80),
  [Page] TEXT(50),
  [Style Identifier] INTEGER,
  [Tech-Level] INTEGER CHECK ([Tech-Level] IN (0, 1)),
  [Sub-Table] TEXT(50),
  [Can Default] INTEGER CHECK ([Can Default] IN (0, 1)),
  [Description] TEXT
);
CREATE TABLE [Spells] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(255),
  [College] TEXT(255),
  [Spell Class] TEXT(255),
  [Category Identifier] INTEGER,
  [Skill Type Identifier] INTEGER,
  [Casting Time] TEXT(255),
  [Casting Cost] TEXT(255),
  [Maintanence Cost] TEXT(255),
  [Notes] TEXT,
  [Prerequisite] TEXT(255),
  [Page] TEXT(255),
  [Style Identifier] INTEGER
);
CREATE TABLE [Skills-Maneuvers] (
  [Base Skill] TEXT(255),
  [Can Default] INTEGER CHECK ([Can Default] IN (0, 1)),
  [Category Identifier] INTEGER,
  [Default Level] TEXT(255),
  [Defaults] TEXT(255),
  [Description] TEXT,
  [ID] TEXT(255),
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [Maneuver Type Identifier] INTEGER,
  [Page] TEXT(255),
  [Skill Group] TEXT(255),
  [Style Identifier] INTEGER,
  [Sub-Table] TEXT(255),
  [Tech-Level] INTEGER CHECK ([Tech-Level] IN (0, 1))
);
CREATE TABLE [Skills-Acrobatic Maneuvers] (
  [Base Skill] TEXT(255),
  [Can Default] INTEGER CHECK ([Can Default] IN (0, 1)),
  [Category Identifier] INTEGER,
  [Default Level] TEXT(255),
  [Defaults] TEXT(255),
  [Description] TEXT,
  [ID] TEXT(255),
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [Maneuver Type Identifier] INTEGER,
  [Page] TEXT(255),
  [Skill Group] TEXT(255),
  [Style Identifier] INTEGER,
  [Sub-Table] TEXT(255),
  [Tech-Level] INTEGER CHECK ([Tech-Level] IN (0, 1))
);
CREATE TABLE [Skills-Maneuvers-Cinematic] (
  [Base Skill] TEXT(255),
  [Can Default] INTEGER CHECK ([Can Default] IN (0, 1)),
  [Category Identifier] INTEGER,
  [Default Level] TEXT(255),
  [Defaults] TEXT(255),
  [Description] TEXT,
  [ID] TEXT(255),
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [Maneuver Type Identifier] INTEGER,
  [Page] TEXT(255),
  [Skill Group] TEXT(255),
  [Style Identifier] INTEGER,
  [Sub-Table] TEXT(255),
  [Tech-Level] INTEGER CHECK ([Tech-Level] IN (0, 1))
);
CREATE TABLE [Super Powers] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(255),
  [Skill Group] TEXT(255),
  [Category Identifier] INTEGER,
  [Skill Type Identifier] INTEGER,
  [Defaults] TEXT(255),
  [Page] TEXT(255),
  [Style Identifier] INTEGER,
  [Tech-Level] INTEGER CHECK ([Tech-Level] IN (0, 1)),
  [Sub-Table] TEXT(255),
  [Can Default] INTEGER CHECK ([Can Default] IN (0, 1)),
  [Description] TEXT,
  [BaseBonus] TEXT(255),
  [Power Cost] TEXT(255)
);
CREATE TABLE [Enhancements] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(255),
  [Cost] TEXT(255),
  [Category Identifier] INTEGER,
  [EnhLim Identifier] INTEGER,
  [Style Identifier] INTEGER,
  [Sub-ID] TEXT(255),
  [Sub-Table] TEXT(255),
  [Sort] INTEGER CHECK ([Sort] IN (0, 1)),
  [Remove List] INTEGER CHECK ([Remove List] IN (0, 1))
);
CREATE TABLE [Limitations] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(255),
  [Cost] TEXT(255),
  [Category Identifier] INTEGER,
  [EnhLim Identifier] INTEGER,
  [Style Identifier] INTEGER,
  [Sub-ID] TEXT(255),
  [Sub-Table] TEXT(255),
  [Sort] INTEGER CHECK ([Sort] IN (0, 1)),
  [Remove List] INTEGER CHECK ([Remove List] IN (0, 1))
);
CREATE TABLE [Weapons] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(255),
  [Category Identifier] INTEGER,
  [Damage] TEXT(255),
  [Weapon-Type Identifier] INTEGER,
  [Reach] TEXT(255),
  [SS] TEXT(255),
  [ACC] TEXT(255),
  [1/2Dam] TEXT(255),
  [MaxDam] TEXT(255),
  [Cost] TEXT(255),
  [Weight] TEXT(255),
  [Min ST] TEXT(255),
  [Rate of Fire] TEXT(255),
  [Number of Shots] TEXT(255),
  [Recoil] TEXT(255),
  [Legality] INTEGER,
  [Tech Level] INTEGER,
  [Equip-Type Identifier] INTEGER,
  [Page] TEXT(255),
  [Style Identifier] INTEGER,
  [Description] TEXT,
  [Sub-Table] TEXT(255),
  [Add Multiple] INTEGER CHECK ([Add Multiple] IN (0, 1)),
  [Special] TEXT(255)
);
CREATE TABLE [Armor] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(255),
  [Category Identifier] INTEGER,
  [Cost] TEXT(255),
  [Weight] TEXT(255),
  [Covers] TEXT(255),
  [Legality] INTEGER,
  [Tech Level] INTEGER,
  [Page] TEXT(255),
  [Style Identifier] INTEGER,
  [Description] TEXT,
  [Equip-Type Identifier] INTEGER,
  [Sub-Table] TEXT(255),
  [DR] TEXT(255),
  [PD] TEXT(255),
  [Impaling DR] TEXT(255),
  [Impaling PD] TEXT(255),
  [Add Multiple] INTEGER CHECK ([Add Multiple] IN (0, 1)),
  [Special] TEXT(255)
);
CREATE TABLE [Armor-Barding] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(255),
  [Category Identifier] INTEGER,
  [Cost] TEXT(255),
  [Weight] TEXT(255),
  [Covers] TEXT(255),
  [Legality] INTEGER,
  [Tech Level] INTEGER,
  [Page] TEXT(255),
  [Style Identifier] INTEGER,
  [Description] TEXT,
  [Equip-Type Identifier] INTEGER,
  [Sub-Table] TEXT(255),
  [DR] TEXT(255),
  [PD] TEXT(255),
  [Impaling DR] TEXT(255),
  [Impaling PD] TEXT(255),
  [Add Multiple] INTEGER CHECK ([Add Multiple] IN (0, 1)),
  [Special] TEXT(255)
);
CREATE TABLE [Equipment] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(255),
  [Category Identifier] INTEGER,
  [Cost] TEXT(255),
  [Weight] TEXT(255),
  [Tech Level] INTEGER,
  [Page] TEXT(255),
  [Style Identifier] INTEGER,
  [Description] TEXT,
  [Equip-Type Identifier] INTEGER,
  [Sub-Table] TEXT(255),
  [Add Multiple] INTEGER CHECK ([Add Multiple] IN (0, 1)),
  [Special] TEXT(255)
);
CREATE TABLE [Professions] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY,
  [ID] TEXT(255),
  [Category Identifier] INTEGER,
  [Monthly Income] TEXT(255),
  [Stereotype] TEXT(255),
  [Page] TEXT(255),
  [Prerequisites] TEXT(255),
  [Success Roll] TEXT(255),
  [Critical Failure] TEXT(255),
  [18 Critical Failure] TEXT(255),
  [Sub-Table] TEXT(255),
  [KIT Filename] TEXT(255),
  [Description] TEXT
);
