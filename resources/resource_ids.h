/* Named ids of the library's resources, shared by the resource script and the code.
   Only #define lines: the resource compiler reads this file too. */
#pragma once

/* Custom resource types. */
#define RT_CAPABILITY_RECORD 555 /* capability data records, id = model base id + record */
#define RT_STORED_JOB 2830       /* ready-made printer jobs and notice texts, by job id */

/* Model blocks of the capability store: ten blocks of 100 ids. */
#define CAP_FIRST_BASE_ID 10000
#define CAP_LAST_BASE_ID 10900
#define CAP_BLOCK_STEP 100
#define CAP_NAMES_PER_BLOCK 10
#define CAP_MODEL_NAME_OFFSET 11 /* model name of realname B+i is string B+i+11 */
#define CAP_NAME_CAPACITY 64     /* names keep at most 63 characters and the terminator */

/* The model carried in the shipped store. */
#define CAP_KESTREL_BASE 10900

/* Stored jobs (type 2830). */
#define JOB_CLEAN_LEVEL1 129
#define JOB_CLEAN_LEVEL2 130
#define JOB_CLEAN_LEVEL3 131
#define JOB_COLOR_CALIBRATION 132
#define JOB_INK_GAUGE 133
#define JOB_ALIGNMENT 134
#define JOB_SELF_TEST 139
#define JOB_ALIGN_PATTERN_A 140
#define JOB_ALIGN_PATTERN_B 141
#define JOB_USAGE_NOTICE 142
#define JOB_PRIVACY_NOTICE 143
#define JOB_TEST_PAGE 144
